// Filters walked over an item's subtree: order of visits, finding, replacing.
#include <vector>

#include "CException.h"
#include "KItem.h"
#include "KItemFilter.h"
#include "KLineFilter.h"
#include "KTreeIterator.h"
#include "KitFixture.h"
#include "KitOutline.h"

namespace {

// Records what it sees and matches nothing (or the text it is told to stop at).
class RecordingFilter : public CKItemFilter {
public:
    explicit RecordingFilter(const char* stopAt = nullptr) : m_stopAt(stopAt) {}
    void Visit(CKItem& item) override {
        seen.push_back(std::string(item.GetText()));
        m_bMatched = m_stopAt != nullptr && seen.back() == m_stopAt;
    }
    std::vector<std::string> seen;

private:
    const char* m_stopAt;
};

class KitSearch : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kSampleOutline);
    }
};

TEST_F(KitSearch, TheWalkIsDepthFirstPreOrderAndStaysInTheSubtree) {
    CKItem form(m_outline, Find("frmOrders"));
    RecordingFilter all;
    CKItem out;
    EXPECT_FALSE(form.FindItem(out, all));
    EXPECT_EQ((std::vector<std::string>{"frmOrders", "Orders of the day", "", "dfCustNo",
                                        "pbInvoke", "", "DVM_Create", "generated code",
                                        "nCount = nCount + 1", "SalMessageBox('nCount', 0, 0)",
                                        "SAM_Click"}),
              all.seen);

    RecordingFilter leaf;
    EXPECT_FALSE(CKItem(m_outline, Find("pbInvoke")).FindItem(out, leaf));
    EXPECT_EQ((std::vector<std::string>{"pbInvoke"}), leaf.seen);

    RecordingFilter stop("dfCustNo");
    EXPECT_TRUE(form.FindItem(out, stop));
    EXPECT_STREQ("dfCustNo", out.GetText());
    EXPECT_EQ(4u, stop.seen.size());
}

TEST_F(KitSearch, FindItemByPatternInEveryMode) {
    CKItem form(m_outline, Find("frmOrders"));
    CKItem out;
    const struct {
        const char* pattern;
        BOOL matchCase, partial, fullLine;
        const char* found; // null: no match
    } cases[] = {
        {"salmessagebox", FALSE, TRUE, FALSE, "SalMessageBox('nCount', 0, 0)"},
        {"salmessagebox", TRUE, TRUE, FALSE, nullptr},
        {"DFCUSTNO", FALSE, FALSE, FALSE, "dfCustNo"},
        {"DFCUSTNO", TRUE, FALSE, FALSE, nullptr},
        {"frmOrders", TRUE, FALSE, FALSE, "frmOrders"}, // the start item itself
        {"", FALSE, TRUE, FALSE, nullptr},              // an empty pattern matches nothing
        {"Set nCount = nCount + 1", TRUE, FALSE, TRUE, "nCount = nCount + 1"},
        {"nCount = nCount + 1", TRUE, FALSE, TRUE, nullptr}, // a line has its kind name
        {"SAM_Click", TRUE, FALSE, FALSE, "SAM_Click"},
    };
    for (const auto& c : cases) {
        bool found = form.FindItem(c.pattern, out, c.matchCase, c.partial, c.fullLine) != 0;
        EXPECT_EQ(c.found != nullptr, found) << '"' << c.pattern << '"';
        if (c.found != nullptr && found) {
            EXPECT_STREQ(c.found, out.GetText()) << '"' << c.pattern << '"';
        }
    }
    EXPECT_FALSE(CKItem(m_outline, Find("pbInvoke")).FindItem("SAM_Click", out, TRUE, FALSE, FALSE));
}

TEST_F(KitSearch, MoveToRetargetsTheObject) {
    CKItem item(m_outline, Find("frmOrders"));
    EXPECT_TRUE(item.MoveTo("sam_", FALSE, TRUE, FALSE));
    EXPECT_STREQ("SAM_Click", item.GetText());
}

TEST_F(KitSearch, ReplaceTextPartialSplicesTheFirstOccurrenceIntoTheOriginalText) {
    CKItem form(m_outline, Find("frmOrders"));
    // Case-insensitive: found in an upper-cased copy, spliced into the item's own text.
    EXPECT_EQ(2, form.ReplaceText("NCOUNT", "nTotal", FALSE, TRUE));
    CKItem out;
    ASSERT_TRUE(form.FindItem("nTotal = nCount + 1", out, TRUE, FALSE, FALSE));
    ASSERT_TRUE(form.FindItem("SalMessageBox('nTotal', 0, 0)", out, TRUE, FALSE, FALSE));
    ASSERT_TRUE(form.FindItem("dfCustNo", out, TRUE, FALSE, FALSE)) << "no occurrence, untouched";
    EXPECT_EQ(0, form.ReplaceText("nowhere", "x", TRUE, TRUE));
}

TEST_F(KitSearch, ReplaceTextWholeTextChangesOnlyEqualTexts) {
    CKItem form(m_outline, Find("frmOrders"));
    EXPECT_EQ(1, form.ReplaceText("PBINVOKE", "pbSend", FALSE, FALSE));
    EXPECT_EQ(0, form.ReplaceText("pbSen", "x", TRUE, FALSE));
    CKItem out;
    EXPECT_TRUE(form.FindItem("pbSend", out, TRUE, FALSE, FALSE));
}

TEST_F(KitSearch, FindItemIntoARefusingOutObjectRaisesKitError1000) {
    class CFormOnly : public CKItem {
    public:
        BOOL IsValidKind(int kind) override { return kind == 1; }
    } out;
    CKItem form(m_outline, Find("frmOrders"));
    int error = 0;
    try {
        form.FindItem("dfCustNo", out, TRUE, FALSE, FALSE);
    } catch (CException* e) {
        error = 1000;
        e->Delete();
    }
    EXPECT_EQ(1000, error);
    EXPECT_STREQ("dfCustNo", out.GetText()) << "holds the found item after all";
}

} // namespace
