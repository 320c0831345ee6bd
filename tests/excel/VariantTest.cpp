#include "excel/Variant.h"

#include <gtest/gtest.h>

namespace {

// Counts its references; deletes nothing, so the test can read the count.
class CountedObject final : public Dispatch {
public:
    std::uint32_t addRef() override { return ++refs; }
    std::uint32_t release() override { return --refs; }
    HResult getIDsOfNames(const std::u16string&, Lcid, DispId&) override { return hresult::UnknownName; }
    HResult invoke(DispId, Lcid, std::uint16_t, const DispParams&, Variant*, ExcepInfo*) override
    {
        return hresult::MemberNotFound;
    }
    int refs = 0;
};

} // namespace

TEST(Variant, ObjectReferencesFollowCopiesAssignmentsAndDestruction)
{
    CountedObject a;
    CountedObject b;
    {
        Variant v = Variant::fromObject(&a);
        EXPECT_EQ(a.refs, 1);
        {
            Variant copy(v);
            Variant assigned;
            assigned = v;
            EXPECT_EQ(a.refs, 3);
            assigned = Variant::fromObject(&b);  // releases a, holds b
            EXPECT_EQ(a.refs, 2);
            EXPECT_EQ(b.refs, 1);
            assigned = assigned;  // self-assignment changes nothing
            EXPECT_EQ(b.refs, 1);
        }
        EXPECT_EQ(a.refs, 1);
        EXPECT_EQ(b.refs, 0);
        Variant moved(std::move(v));
        EXPECT_EQ(a.refs, 1);
        EXPECT_TRUE(v.isEmpty());
        moved = Variant::fromInt32(5);
        EXPECT_EQ(a.refs, 0);
    }
    EXPECT_EQ(a.refs, 0);
}

TEST(Variant, BooleansAreAllBitsSetAndNumbersConvertLikeThePlatform)
{
    EXPECT_EQ(Variant::fromBool(true).boolValue(), -1);
    EXPECT_EQ(Variant::fromBool(false).boolValue(), 0);

    std::int32_t i = 0;
    EXPECT_TRUE(Variant::fromDouble(96.4).toInt32(i));
    EXPECT_EQ(i, 96);
    EXPECT_TRUE(Variant::fromDouble(2.5).toInt32(i));
    EXPECT_EQ(i, 2);
    EXPECT_TRUE(Variant::fromDouble(-59.6).toInt32(i));
    EXPECT_EQ(i, -60);
    i = 7;
    EXPECT_FALSE(Variant::fromDouble(3e10).toInt32(i));
    EXPECT_FALSE(Variant::fromText(u"12").toInt32(i));
    EXPECT_FALSE(Variant().toInt32(i));
    EXPECT_EQ(i, 7);
}
