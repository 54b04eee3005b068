// The one-string store of a line's exchange texts: each list keeps its texts whatever
// the other lists do, long texts included.
#include "domain/linetexts.h"

#include <gtest/gtest.h>

#include <string>

namespace qz {
namespace {

using L = TLineTexts;

TEST(LineTexts, ListsStayApartThroughEveryChange) {
    TLineTexts t;
    t.Resize(L::ltSent, 2);
    t.Resize(L::ltRcvd, 3);
    t.Resize(L::ltMulties, 1);
    const std::string longText(300, 'x');  // needs the long length form
    t.Set(L::ltSent, 1, "599");
    t.Set(L::ltRcvd, 0, "14");
    t.Set(L::ltRcvd, 1, longText);
    t.Set(L::ltRcvd, 2, "DL");
    t.Set(L::ltMulties, 0, "EU");
    EXPECT_EQ(t.Get(L::ltSent, 0), "");
    EXPECT_EQ(t.Get(L::ltSent, 1), "599");
    EXPECT_EQ(t.Get(L::ltRcvd, 1), longText);
    EXPECT_EQ(t.Get(L::ltRcvd, 2), "DL");
    EXPECT_EQ(t.Get(L::ltMulties, 0), "EU");
    EXPECT_EQ(t.Get(L::ltMulties, 1), "");  // beyond the list

    // A long text replaced by a short one and back; the neighbours do not move.
    t.Set(L::ltRcvd, 1, "7");
    EXPECT_EQ(t.Get(L::ltRcvd, 1), "7");
    EXPECT_EQ(t.Get(L::ltRcvd, 2), "DL");
    t.Set(L::ltRcvd, 1, std::string(255, 'y'));
    EXPECT_EQ(t.Get(L::ltRcvd, 1).size(), 255u);
    EXPECT_EQ(t.Get(L::ltMulties, 0), "EU");

    // A value taken from the store itself.
    t.Set(L::ltSent, 0, t.Get(L::ltRcvd, 1));
    EXPECT_EQ(t.Get(L::ltSent, 0), std::string(255, 'y'));

    // Shrinking drops the tail of one list only; growing adds empty texts.
    t.Resize(L::ltRcvd, 1);
    EXPECT_EQ(t.Size(L::ltRcvd), 1u);
    EXPECT_EQ(t.Get(L::ltRcvd, 0), "14");
    EXPECT_EQ(t.Get(L::ltMulties, 0), "EU");
    t.Resize(L::ltSent, 4);
    EXPECT_EQ(t.Get(L::ltSent, 1), "599");
    EXPECT_EQ(t.Get(L::ltSent, 3), "");
    EXPECT_EQ(t.Get(L::ltRcvd, 0), "14");

    t.ClearAll(L::ltSent);
    EXPECT_EQ(t.Size(L::ltSent), 4u);
    EXPECT_EQ(t.Get(L::ltSent, 0), "");
    EXPECT_EQ(t.Get(L::ltSent, 1), "");
    EXPECT_EQ(t.Get(L::ltRcvd, 0), "14");
    EXPECT_EQ(t.Get(L::ltMulties, 0), "EU");
}

}  // namespace
}  // namespace qz
