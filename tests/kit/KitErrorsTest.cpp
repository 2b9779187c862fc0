#include <gtest/gtest.h>

#include "KItem.h"
#include "KObjectList.h"
#include "KXDKException.h"

namespace {

int g_live = 0;

class Counted : public CObject {
public:
    Counted() { ++g_live; }
    ~Counted() override { --g_live; }
};

TEST(KitErrors, KitError1000IsCaughtAsCExceptionWithItsCodeAndAnEmptyMessage) {
    bool caught = false;
    try {
        ThrowKitError(1000);
    } catch (CException* e) {
        CKXDKException* kit = dynamic_cast<CKXDKException*>(e);
        ASSERT_NE(nullptr, kit);
        EXPECT_EQ(1000, kit->m_nError);
        EXPECT_TRUE(kit->m_strMessage.IsEmpty());
        EXPECT_TRUE(kit->IsKindOf(RUNTIME_CLASS(CKXDKException)));
        e->Delete();
        caught = true;
    }
    EXPECT_TRUE(caught);
}

TEST(KitErrors, RunTimeClassRecordsAreNamedAndNotSerialisable) {
    const CRuntimeClass* records[] = {RUNTIME_CLASS(CKXDKException), RUNTIME_CLASS(CKObjectList),
                                      RUNTIME_CLASS(CKObject), RUNTIME_CLASS(CKItem)};
    const char* names[] = {"CKXDKException", "CKObjectList", "CKObject", "CKItem"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(names[i], records[i]->m_lpszClassName);
        EXPECT_EQ(0xFFFFu, records[i]->m_wSchema);
        EXPECT_EQ(records[i], AfxFindRuntimeClass(names[i])) << "linked into the module's list";
    }
    EXPECT_TRUE(CKItem().IsKindOf(RUNTIME_CLASS(CKObject)));
    EXPECT_EQ(RUNTIME_CLASS(CKObject), RUNTIME_CLASS(CKItem)->m_pBaseClass);
}

TEST(KitObjectList, DeletesWhatItHoldsSkipsNullsAndHandsBackWhatIsRemoved) {
    {
        CKObjectList list;
        list.AddTail(new Counted);
        list.AddTail(static_cast<CObject*>(nullptr));
        list.AddTail(new Counted);
        list.AddTail(new Counted);
        EXPECT_EQ(3, g_live);
    }
    EXPECT_EQ(0, g_live);

    Counted* kept = nullptr;
    {
        CKObjectList list;
        list.AddTail(new Counted);
        kept = static_cast<Counted*>(list.RemoveHead());
        list.AddTail(new Counted);
        list.AddTail(new Counted);
        CObject* a = list.RemoveHead();
        CObject* b = list.RemoveHead();
        delete a;
        delete b;
        list.RemoveAll();
    }
    EXPECT_EQ(1, g_live) << "removed elements belong to the caller";
    delete kept;
    EXPECT_EQ(0, g_live);
}

} // namespace
