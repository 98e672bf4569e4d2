#include <gtest/gtest.h>

#include "store/cedatabase.h"
#include "store/ceprop.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

class CePropTest : public test::StoreTest {
protected:
    // Writes `props` as a record and reads it back the way the program does.
    CCeDbPropArray RoundTrip(const CCeDbPropArray& props) {
        CCeDatabase db;
        if (!db.Open(kDayStoreName)) {
            EXPECT_TRUE(db.Create(kDayStoreName));
            EXPECT_TRUE(db.Open(kDayStoreName));
        }
        EXPECT_TRUE(db.WriteNewRecord(props));
        CCeDbPropArray out;
        EXPECT_TRUE(db.SeekLast());
        EXPECT_TRUE(db.ReadCurrRecord(out));
        db.Close();
        return out;
    }
};

TEST_F(CePropTest, StoredValuesReadBackAsDescribed) {
    CCeDbPropArray in;
    CCeDbProp v;
    v.SetBool(1);
    in.Append(v);
    v.SetBool(-2);  // sign-extended to 32 bits, back as the low 16
    in.Append(v);
    v.SetUI4(0xFFFFFFF0u);
    in.Append(v);
    v.SetUI2(65000);
    in.Append(v);
    v.SetI2(-7);
    in.Append(v);
    v.SetI4(-100000);
    in.Append(v);
    v.SetR8(36.6);
    in.Append(v);
    v.SetText(static_cast<const char16_t*>(nullptr));
    in.Append(v);

    const CCeDbPropArray out = RoundTrip(in);
    ASSERT_EQ(out.GetCount(), 8u);
    EXPECT_EQ(out[0].GetType(), CEVT_I2);
    EXPECT_EQ(out[0].IntValue(), 1);
    EXPECT_EQ(out[1].GetType(), CEVT_I2);
    EXPECT_EQ(out[1].IntValue(), -2);
    EXPECT_EQ(out[2].GetType(), CEVT_I4);
    EXPECT_EQ(out[2].IntValue(), static_cast<int32_t>(0xFFFFFFF0u));
    EXPECT_EQ(out[3].GetType(), CEVT_UI2);
    EXPECT_EQ(out[3].IntValue(), 65000);
    EXPECT_EQ(out[4].IntValue(), -7);
    EXPECT_EQ(out[5].IntValue(), -100000);
    EXPECT_EQ(out[6].R8Value(), 36.6);
    EXPECT_EQ(out[7].GetType(), CEVT_LPWSTR);
    EXPECT_EQ(out[7].TextValue(), u"");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CePropTest, LongTextsAreAnnouncedAndCutWithoutSplittingAPair) {
    CCeDbProp v;
    v.SetText(std::u16string(199, u'a'));
    EXPECT_EQ(v.TextValue().size(), 199u);
    EXPECT_EQ(boxes.Count(), 0u);

    v.SetText(std::u16string(200, u'b'));
    EXPECT_EQ(v.TextValue(), std::u16string(199, u'b'));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Very long string??");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");

    // A pair at units 198-199 would be split by a cut at 199: the whole pair goes.
    std::u16string withPair(198, u'c');
    withPair += u"\U0001F600";
    withPair += u"tail";
    v.SetText(withPair);
    EXPECT_EQ(v.TextValue(), std::u16string(198, u'c'));
    EXPECT_EQ(boxes.Count(), 2u);
}

TEST_F(CePropTest, ABlobStaysWholeAfterTheRead) {
    const uint8_t bytes[] = {1, 0, 2, 0, 3, 0, 4, 0};
    CCeDbPropArray in;
    CCeDbProp v;
    v.SetBlob(bytes, sizeof bytes);
    in.Append(v);
    CCeDbPropArray out = RoundTrip(in);
    CCeDbProp copy = out[0];
    out.Clear();  // the read's own storage is gone
    EXPECT_EQ(copy.BlobValue(), std::vector<uint8_t>(bytes, bytes + sizeof bytes));
}

TEST_F(CePropTest, SettersReplaceWhatWasHeld) {
    CCeDbProp v;
    EXPECT_EQ(v.GetType(), 0);
    v.SetText(u"note");
    v.SetI4(5);
    EXPECT_EQ(v.TextValue(), u"");
    EXPECT_EQ(v.IntValue(), 5);
    v.SetR8(1.5);
    EXPECT_EQ(v.IntValue(), 0);
    EXPECT_EQ(v.R8Value(), 1.5);
}

TEST(CePropArrayTest, InsertAndClampedAccess) {
    CCeDbPropArray a;
    EXPECT_EQ(a[5].GetType(), 0);  // empty: an empty value, not a crash
    CCeDbProp v;
    for (int i = 0; i < 3; ++i) {
        v.SetI2(static_cast<int16_t>(i));
        a.Append(v);
    }
    v.SetI2(9);
    a.Insert(1, v);
    v.SetI2(7);
    a.Insert(100, v);  // past the end: appended
    ASSERT_EQ(a.GetCount(), 5u);
    const int want[] = {0, 9, 1, 2, 7};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a[static_cast<size_t>(i)].IntValue(), want[i]);
    }
    EXPECT_EQ(a[25].IntValue(), 7);  // past the end: the last
    a.Clear();
    EXPECT_EQ(a.GetCount(), 0u);
}

}  // namespace
}  // namespace velmora
