// Class tests through the application's class definitions.
#include "KClassLookup.h"
#include "KitFixture.h"

namespace {

const char kClasses[] =
    "Application App\n"
    "  ClassDefinitions\n"
    "    FunctionalClass clsA\n"
    "      243\n"
    "        DerivedFrom clsB\n"
    "    FunctionalClass clsB\n"
    "      243\n"
    "        DerivedFrom clsC\n"
    "    FunctionalClass clsC\n"
    "      243\n"
    "    FunctionalClass clsLoop1\n"
    "      243\n"
    "        DerivedFrom clsLoop2\n"
    "    FunctionalClass clsLoop2\n"
    "      243\n"
    "        DerivedFrom clsLoop1\n"
    "    FunctionalClass clsLostBase\n"
    "      243\n"
    "        DerivedFrom clsNowhere\n"
    "        DerivedFrom clsB\n"
    "  Variables\n"
    "    Instance objA\n"
    "      =287 \"clsA\"\n"
    "    Instance objLoop\n"
    "      =287 \"clsLoop1\"\n"
    "    Number nPlain\n";

class KitClasses : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kClasses);
    }
};

TEST_F(KitClasses, AnInstanceIsOfItsClassAndOfEveryClassItDerivesFrom) {
    CKItem instance(m_outline, Find("objA"));
    const struct {
        const char* name;
        BOOL expected;
    } cases[] = {{"clsA", 1}, {"clsB", 1}, {"clsC", 1}, {"clsa", 0}, {"clsZ", 0}, {nullptr, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, instance.IsKindOfClass(c.name) != 0) << (c.name ? c.name : "null");
    EXPECT_FALSE(CKItem(m_outline, Find("nPlain")).IsKindOfClass("clsA")) << "no class name";
}

TEST_F(KitClasses, DerivationFollowsTheBaseListsInOrder) {
    CKItem c(m_outline, Find("clsC")), lost(m_outline, Find("clsLostBase"));
    EXPECT_FALSE(ClassDerivesFrom(c, "clsC")) << "an empty base list derives from nothing";
    EXPECT_FALSE(ClassDerivesFrom(lost, "clsC")) << "a base that cannot be found ends the search";
    EXPECT_TRUE(ClassDerivesFrom(lost, "clsB")) << "a listed name matches as it stands";
    EXPECT_TRUE(ClassDerivesFrom(lost, "clsNowhere"));
}

TEST_F(KitClasses, ACycleOfBaseListsEndsTheSearch) {
    CKItem loop(m_outline, Find("clsLoop1"));
    EXPECT_FALSE(ClassDerivesFrom(loop, "clsZ"));
    EXPECT_TRUE(ClassDerivesFrom(loop, "clsLoop1")) << "through its base, which derives from it";
    EXPECT_FALSE(CKItem(m_outline, Find("objLoop")).IsKindOfClass("clsZ"));
}

} // namespace
