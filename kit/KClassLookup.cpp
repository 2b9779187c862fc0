#include "KClassLookup.h"

#include <vector>

#include "CStringList.h"

namespace {

BOOL DerivesFrom(CKItem& application, CKItem& definition, const char* className,
                 std::vector<HITEM>& met) {
    for (HITEM seen : met)
        if (seen == definition.m_hItem)
            return 0;
    met.push_back(definition.m_hItem);

    CStringList bases(10);
    if (definition.GetChildNames(bases, KIND_BASE_CLASSES, 0, TRUE) <= 0)
        return 0;
    for (POSITION pos = bases.GetHeadPosition(); pos != nullptr;)
        if (bases.GetNext(pos) == className)
            return 1;
    for (POSITION pos = bases.GetHeadPosition(); pos != nullptr;) {
        CKItem base;
        if (!application.FindChild(bases.GetNext(pos), base, KIND_CLASS_DEFINITIONS))
            return 0;
        if (DerivesFrom(application, base, className, met))
            return 1;
    }
    return 0;
}

} // namespace

BOOL FindApplicationItem(HOUTLINE outline, CKItem& application) {
    class CApplicationItem : public CKItem {
    public:
        BOOL IsValidKind(int kind) override { return kind == KIND_APPLICATION; }
    } found;
    CKItem root(outline, HostGetRootItem(outline)), first;
    root.GetFirstChild(first);
    if (!found.Attach(first.m_hOutline, first.m_hItem))
        return 0;
    application = found;
    return 1;
}

BOOL ClassDerivesFrom(CKItem& classDefinition, const char* className) {
    CKItem application;
    if (className == nullptr || !FindApplicationItem(classDefinition.m_hOutline, application))
        return 0;
    std::vector<HITEM> met;
    return DerivesFrom(application, classDefinition, className, met);
}

BOOL CKItem::IsKindOfClass(const char* className) {
    CString instanceOf;
    GetClassName(instanceOf);
    if (instanceOf.IsEmpty() || className == nullptr)
        return 0;
    if (instanceOf == className)
        return 1;
    CKItem application, definition;
    if (!FindApplicationItem(m_hOutline, application) ||
        !application.FindChild(instanceOf, definition, KIND_CLASS_DEFINITIONS))
        return 0;
    return ClassDerivesFrom(definition, className);
}
