#include "domain/fileheader.h"

#include "base/binio.h"

namespace qz {

namespace {
void WriteVersion(TByteWriter& w, const TNumVersion& v) {
    w.I32(v.MainVersion);
    w.I32(v.SubVersion);
    w.I32(v.Release);
    w.I32(v.Compilation);
}
}  // namespace

void EncodeFileHeader(const TFileHeader& h, std::string& out) {
    TByteWriter w(out);
    w.ShortString(h.fhQZ_VersionString, kVersionStringLen);
    w.F64(h.fhQZ_CreatedTimeStamp);
    WriteVersion(w, h.fhQZ_CreatedVersion);
    w.F64(h.fhQZ_lastModifiedTimeStamp);
    WriteVersion(w, h.fhQZ_LastModifiedVersion);
    w.U16(h.fhQZ_NoOfColumnDescriptors);
    for (const auto& c : h.fhQZ_ColumnDescriptors) {
        w.U8(c.Property);
        w.I32(c.ArrayIndex);
        w.U16(c.Width);
    }
    w.U16(h.fhQZ_OutputWindows.bits());
    w.U8(h.fhQZ_ReadOnly ? 255 : 0);
    w.Zeros(fho::OwnCall - fho::QZSpare);

    w.ShortString(h.fhUser_OwnCall, kCallStringLen);
    w.ShortString(h.fhUser_Address, kLongShortStringLen);
    w.ShortString(h.fhUser_EMail, kLongShortStringLen);
    w.ShortString(h.fhUser_Station, kLongShortStringLen);
    w.ShortString(h.fhUser_Power, kLongShortStringLen);
    w.ShortString(h.fhUser_Club, kLongShortStringLen);
    w.U8(h.fhUser_PowerCategory);
    w.ShortString(h.fhUser_ARRLSection, kARRLSectionStringLen);
    w.ShortString(h.fhUser_Name, kLongShortStringLen);
    w.ShortString(h.fhUser_Specific, kSpecificStringLen);
    // Zeros, as ever, unless the header has the data.
    const bool longLocation = h.fhUser_ARRLSection.size() > static_cast<std::size_t>(kARRLSectionStringLen);
    w.ShortString(longLocation ? std::string_view(h.fhUser_ARRLSection) : std::string_view(), kLocationStringLen);
    w.ShortString(h.fhUser_GridLocator, kGridLocatorStringLen);
    w.Zeros(fho::Contest - fho::UserSpare);

    w.U8(h.fhContest_Contest);
    w.ShortString(h.fhContest_Category, kLongShortStringLen);
    w.U8(h.fhContest_ParticipationCategory);
    w.I32(h.fhContest_NoOfQSOs);
    w.ShortString(h.fhContest_CtyFile, kLongShortStringLen);
    w.ShortString(h.fhContest_OperatorList, kLongShortStringLen);
    w.ShortString(h.fhContest_SoapBox, kLongShortStringLen);
    w.U8(h.fhContest_CategoryAssisted);
    w.U8(h.fhContest_CategoryOperator);
    w.U8(h.fhContest_CategoryPower);
    w.U8(h.fhContest_CategoryStation);
    w.U8(h.fhContest_CategoryTime);
    w.U8(h.fhContest_CategoryTransmitter);
    w.U8(h.fhContest_CategoryOverlay);
    w.U16(h.fhContest_Year);
    w.Zeros(kFileHeaderSize - fho::ContestSpare);
}

namespace {

template <typename E>
bool ReadEnum(TByteReader& r, int count, E& value, const char* what, std::string* error) {
    std::uint8_t b = r.U8();
    if (b >= count) {
        if (error) *error = std::string("invalid ") + what + " value " + std::to_string(b);
        return false;
    }
    value = static_cast<E>(b);
    return true;
}

bool ReadShort(TByteReader& r, std::size_t max, std::string& value, const char* what, std::string* error) {
    bool lengthOk = true;
    value = r.ShortString(max, &lengthOk);
    if (!lengthOk && error) *error = std::string("length of ") + what + " exceeds " + std::to_string(max);
    return lengthOk;
}

TNumVersion ReadVersion(TByteReader& r) {
    TNumVersion v;
    v.MainVersion = r.I32();
    v.SubVersion = r.I32();
    v.Release = r.I32();
    v.Compilation = r.I32();
    return v;
}

// The fields in bytes that older versions kept zero. A damaged length there makes the
// field empty instead of the header unreadable: the rest of it is as sound as ever.
void ReadReservedFields(TByteReader& r, TFileHeader& h) {
    bool ok = true;
    std::string location = r.ShortString(kLocationStringLen, &ok);
    // A writer that knew only the section field wrote zeros here; a location that does
    // not start with the section is none of this header's.
    if (ok && location.size() > static_cast<std::size_t>(kARRLSectionStringLen) &&
        location.compare(0, h.fhUser_ARRLSection.size(), h.fhUser_ARRLSection) == 0 &&
        h.fhUser_ARRLSection.size() == static_cast<std::size_t>(kARRLSectionStringLen))
        h.fhUser_ARRLSection = std::move(location);
    std::string grid = r.ShortString(kGridLocatorStringLen, &ok);
    if (ok) h.fhUser_GridLocator = std::move(grid);
}

}  // namespace

bool DecodeFileHeader(std::string_view bytes, TFileHeader& h, std::string* error) {
    if (bytes.size() < kFileHeaderSize) {
        if (error) *error = "file header is shorter than 4096 bytes";
        return false;
    }
    TByteReader r(bytes.substr(0, kFileHeaderSize));
    TFileHeader x;
    bool ok = ReadShort(r, kVersionStringLen, x.fhQZ_VersionString, "version string", error);
    x.fhQZ_CreatedTimeStamp = r.F64();
    x.fhQZ_CreatedVersion = ReadVersion(r);
    x.fhQZ_lastModifiedTimeStamp = r.F64();
    x.fhQZ_LastModifiedVersion = ReadVersion(r);
    x.fhQZ_NoOfColumnDescriptors = r.U16();
    if (ok && x.fhQZ_NoOfColumnDescriptors > kMaxColumnDescriptors) {
        if (error) *error = "column count " + std::to_string(x.fhQZ_NoOfColumnDescriptors) + " exceeds 40";
        ok = false;
    }
    for (int i = 0; i < kMaxColumnDescriptors; ++i) {
        auto& c = x.fhQZ_ColumnDescriptors[static_cast<std::size_t>(i)];
        std::uint8_t prop = r.U8();
        c.ArrayIndex = r.I32();
        c.Width = r.U16();
        if (prop >= kNoOfColumnProperties) {
            // Only the valid entries must be sound; unused slots may hold anything.
            if (ok && i < x.fhQZ_NoOfColumnDescriptors) {
                if (error) *error = "invalid column property " + std::to_string(prop);
                ok = false;
            }
            prop = cpNr;
        }
        c.Property = static_cast<TColumnProperty>(prop);
    }
    x.fhQZ_OutputWindows = SOutputWindow::FromBits(r.U16());
    x.fhQZ_ReadOnly = r.U8() != 0;
    r.Seek(fho::OwnCall);

    ok = ok && ReadShort(r, kCallStringLen, x.fhUser_OwnCall, "own call", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_Address, "address", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_EMail, "e-mail", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_Station, "station", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_Power, "power", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_Club, "club", error);
    ok = ok && ReadEnum(r, kNoOfPowerCategories, x.fhUser_PowerCategory, "power category", error);
    ok = ok && ReadShort(r, kARRLSectionStringLen, x.fhUser_ARRLSection, "ARRL section", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhUser_Name, "name", error);
    ok = ok && ReadShort(r, kSpecificStringLen, x.fhUser_Specific, "specific", error);
    ReadReservedFields(r, x);
    r.Seek(fho::Contest);
    ok = ok && ReadEnum(r, kNoOfContests, x.fhContest_Contest, "contest", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhContest_Category, "category", error);
    ok = ok &&
         ReadEnum(r, kNoOfParticipationCategories, x.fhContest_ParticipationCategory, "participation category", error);
    x.fhContest_NoOfQSOs = r.I32();
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhContest_CtyFile, "country file", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhContest_OperatorList, "operator list", error);
    ok = ok && ReadShort(r, kLongShortStringLen, x.fhContest_SoapBox, "soapbox", error);
    ok = ok && ReadEnum(r, kNoOfCategoryAssisted, x.fhContest_CategoryAssisted, "assisted category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryOperator, x.fhContest_CategoryOperator, "operator category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryPower, x.fhContest_CategoryPower, "power category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryStation, x.fhContest_CategoryStation, "station category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryTime, x.fhContest_CategoryTime, "time category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryTransmitter, x.fhContest_CategoryTransmitter, "transmitter category", error);
    ok = ok && ReadEnum(r, kNoOfCategoryOverlay, x.fhContest_CategoryOverlay, "overlay category", error);
    x.fhContest_Year = r.U16();
    if (!ok) return false;
    if (!r.Ok()) {
        if (error) *error = "file header is truncated";
        return false;
    }
    h = std::move(x);
    return true;
}

}  // namespace qz
