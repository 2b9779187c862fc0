// Run-time class records, the module's list of them, and exceptions caught
// through their framework bases.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <vector>

#include "CException.h"
#include "CObList.h"
#include "CObject.h"
#include "CStringList.h"
#include "CWinApp.h"

namespace {

class CKShape : public CObject {
    DECLARE_DYNAMIC(CKShape)
};
IMPLEMENT_DYNAMIC(CKShape, CObject)

class CKCircle : public CKShape {
    DECLARE_DYNCREATE(CKCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNCREATE(CKCircle, CKShape)

// Derived without a record of its own: it answers its base's.
class CKDot : public CKCircle {};

TEST(RuntimeClass, RecordsNameSizeSchemaAndBase) {
    const CRuntimeClass* record = RUNTIME_CLASS(CKCircle);
    EXPECT_STREQ("CKCircle", record->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CKCircle)), record->m_nObjectSize);
    EXPECT_EQ(0xFFFFu, record->m_wSchema);
    EXPECT_EQ(RUNTIME_CLASS(CKShape), record->m_pBaseClass);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CKShape)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CKShape)->m_pfnConstruct);
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChainOnly) {
    CKDot dot;
    CKShape shape;
    EXPECT_EQ(RUNTIME_CLASS(CKCircle), dot.GetRuntimeClass());
    EXPECT_TRUE(dot.IsKindOf(RUNTIME_CLASS(CKCircle)));
    EXPECT_TRUE(dot.IsKindOf(RUNTIME_CLASS(CKShape)));
    EXPECT_TRUE(dot.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CKCircle)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(shape.IsKindOf(nullptr));
}

TEST(RuntimeClass, EveryLinkedRecordIsInTheModulesListOnce) {
    int circles = 0, total = 0;
    for (CRuntimeClass* r = AfxGetFirstRuntimeClass(); r != nullptr; r = r->m_pNextClass) {
        ++total;
        circles += r == RUNTIME_CLASS(CKCircle);
        ASSERT_LT(total, 10000) << "the list has a cycle";
    }
    EXPECT_EQ(1, circles);
    // Naming a record links its file into the program, and with it the record.
    for (const CRuntimeClass* record :
         {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CKShape), RUNTIME_CLASS(CObList),
          RUNTIME_CLASS(CStringList), RUNTIME_CLASS(CException), RUNTIME_CLASS(CMemoryException),
          RUNTIME_CLASS(CWinApp)})
        EXPECT_EQ(record, AfxFindRuntimeClass(record->m_lpszClassName)) << record->m_lpszClassName;
    EXPECT_EQ(nullptr, AfxFindRuntimeClass("CKMissing"));
}

TEST(RuntimeClass, CreateObjectOnlyForClassesWithAConstructEntry) {
    CObject* made = RUNTIME_CLASS(CKCircle)->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CKCircle)));
    EXPECT_EQ(7, static_cast<CKCircle*>(made)->radius);
    delete made;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CKShape)->CreateObject());
}

int g_liveErrors = 0;
class CKError : public CException {
public:
    CKError() { ++g_liveErrors; }
    ~CKError() override { --g_liveErrors; }
};

TEST(Exceptions, ThrownByPointerAndCaughtThroughEitherBase) {
    int caughtAsException = 0, caughtAsObject = 0;
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        caughtAsException += e->IsKindOf(RUNTIME_CLASS(CMemoryException));
        e->Delete();
    }
    try {
        throw static_cast<CException*>(new CKError);
    } catch (CException* e) {
        ++caughtAsException;
        e->Delete();
    }
    try {
        throw static_cast<CObject*>(new CKError);
    } catch (CObject* e) {
        caughtAsObject += e->IsKindOf(RUNTIME_CLASS(CException));
        delete e;
    }
    EXPECT_EQ(2, caughtAsException);
    EXPECT_EQ(1, caughtAsObject);
    EXPECT_EQ(0, g_liveErrors);
}

TEST(Exceptions, AllocationFailureRaisesCMemoryExceptionAndNothrowAnswersNull) {
    volatile std::size_t huge = SIZE_MAX / 4;
    bool raised = false;
    try {
        char* never = new char[huge];
        delete[] never;
    } catch (CException* e) {
        raised = e->IsKindOf(RUNTIME_CLASS(CMemoryException)) != FALSE;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    raised = false;
    try {
        struct Big {
            char bytes[1024];
        };
        Big* never = new Big[huge / 1024];
        delete[] never;
    } catch (CException* e) {
        raised = true;
        e->Delete();
    } catch (...) { // the array-length check may fire first: any report will do
        raised = true;
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(nullptr, new (std::nothrow) char[huge]);
}

class CKItemStub : public CObject {};

TEST(CObList, KeepsOrderAcrossBlocksAndHandsRemovedElementsBack) {
    CObList list(2);
    EXPECT_EQ(2, list.GetBlockSize());
    CKItemStub items[5];
    for (CKItemStub& item : items)
        list.AddTail(&item);
    list.AddHead(&items[4]);
    EXPECT_EQ(6, list.GetCount());
    EXPECT_EQ(&items[4], list.GetHead());
    EXPECT_EQ(&items[4], list.GetTail());

    std::vector<CObject*> forward;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        forward.push_back(list.GetNext(pos));
    EXPECT_EQ(
        (std::vector<CObject*>{&items[4], &items[0], &items[1], &items[2], &items[3], &items[4]}),
        forward);

    EXPECT_EQ(&items[4], list.RemoveHead());
    POSITION second = list.Find(&items[1]);
    ASSERT_NE(nullptr, second);
    list.RemoveAt(second);
    std::vector<CObject*> backward;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backward.push_back(list.GetPrev(pos));
    EXPECT_EQ((std::vector<CObject*>{&items[4], &items[3], &items[2], &items[0]}), backward);

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.RemoveHead()); // empty: nothing to hand back
    list.RemoveAt(nullptr);
    list.AddTail(&items[0]); // usable again after emptying
    EXPECT_EQ(1, list.GetCount());
}

TEST(CStringList, HoldsCopiesInOrder) {
    CStringList names(10);
    CString name("CICS1");
    names.AddTail(name);
    names.AddTail("CICS2");
    names.AddHead("CICS0");
    name = "changed";
    EXPECT_EQ(3, names.GetCount());
    CString joined;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
        joined += names.GetNext(pos) + ";";
    EXPECT_STREQ("CICS0;CICS1;CICS2;", joined);
    EXPECT_NE(nullptr, names.Find("CICS2"));
    EXPECT_EQ(nullptr, names.Find("cics2"));
    EXPECT_STREQ("CICS0", names.RemoveHead());
    EXPECT_STREQ("CICS2", names.RemoveTail());
    EXPECT_STREQ("CICS1", names.RemoveHead());
    EXPECT_STREQ("", names.RemoveHead());
}

} // namespace
