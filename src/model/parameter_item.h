#pragma once

#include <string_view>
#include <vector>

#include "model/parameter_format.h"
#include "platform/cp932.h"

class CArchive;

// One validated text (a call sign or a contest number) split into its parameters. The typed
// text and its delimiter are not kept: the display form is rebuilt from the parts with the
// caller's delimiter set. Set once by SetText against a format, then read-only. The two
// item classes below only bind this to their format class, so a call sign can never be
// checked against a contest number format by mistake.
class CQuillmarkData_Item {
public:
    bool IsValid() const { return valid_ != 0; }

    // The display form: the parts joined by the first delimiter character, trailing empty
    // parts dropped. Empty when not valid or the delimiter set is empty.
    Cp932 GetText(std::string_view delimiters) const;
    // Part i; empty when not valid or i is out of range.
    Cp932 GetParameter(int i) const;
    // The same without a copy; an empty string when not valid or out of range.
    std::string_view ParameterView(int i) const;
    // Number of parts held (the format's count when valid).
    int GetPartCount() const { return static_cast<int>(parts_.size()); }
    const std::vector<Cp932>& GetParts() const { return parts_; }

    void DeleteContents();

    // valid, then the parts as a string array.
    void Serialize(CArchive& ar);

protected:
    CQuillmarkData_Item() = default;
    ~CQuillmarkData_Item() = default;
    CQuillmarkData_Item(const CQuillmarkData_Item&) = default;
    CQuillmarkData_Item& operator=(const CQuillmarkData_Item&) = default;
    CQuillmarkData_Item(CQuillmarkData_Item&&) noexcept = default;
    CQuillmarkData_Item& operator=(CQuillmarkData_Item&&) noexcept = default;
    bool SameParts(const CQuillmarkData_Item& other) const {
        return valid_ == other.valid_ && parts_ == other.parts_;
    }

    bool SetTextFor(std::string_view text, std::string_view delimiters,
                    const CQuillmarkData_ParameterType& format);
    Cp932 GetPaddedTextFor(std::string_view delimiters,
                           const CQuillmarkData_ParameterType& format) const;
    Cp932 GetPaddedParameterFor(int i, const CQuillmarkData_ParameterType& format) const;

private:
    int32_t valid_ = 0;
    std::vector<Cp932> parts_;
};

class CQuillmarkData_CallSignItem : public CQuillmarkData_Item {
public:
    // Validates text against the format and splits it at any character of delimiters.
    // Fails (and leaves the item not valid) when already valid, when delimiters is empty
    // or when the text breaks any rule of the format.
    bool SetText(std::string_view text, std::string_view delimiters,
                 const CQuillmarkData_CallSignType& format) {
        return SetTextFor(text, delimiters, format);
    }
    // Fixed-width forms for column output; empty when the format is unlimited.
    Cp932 GetPaddedText(std::string_view delimiters,
                        const CQuillmarkData_CallSignType& format) const {
        return GetPaddedTextFor(delimiters, format);
    }
    Cp932 GetPaddedParameter(int i, const CQuillmarkData_CallSignType& format) const {
        return GetPaddedParameterFor(i, format);
    }
    // The part that identifies the station.
    Cp932 GetMainParameter(const CQuillmarkData_CallSignType& format) const {
        return GetParameter(format.GetMainParameterIndex());
    }

    void CopyFrom(const CQuillmarkData_CallSignItem& other) { *this = other; }
    bool operator==(const CQuillmarkData_CallSignItem& other) const { return SameParts(other); }
};

class CQuillmarkData_ContestNumberItem : public CQuillmarkData_Item {
public:
    bool SetText(std::string_view text, std::string_view delimiters,
                 const CQuillmarkData_ContestNumberType& format) {
        return SetTextFor(text, delimiters, format);
    }
    Cp932 GetPaddedText(std::string_view delimiters,
                        const CQuillmarkData_ContestNumberType& format) const {
        return GetPaddedTextFor(delimiters, format);
    }
    Cp932 GetPaddedParameter(int i, const CQuillmarkData_ContestNumberType& format) const {
        return GetPaddedParameterFor(i, format);
    }
    // The multiplier value; empty when the format has no multiplier parameter.
    Cp932 GetMultiplierParameter(const CQuillmarkData_ContestNumberType& format) const {
        return GetParameter(format.MultiplierIndexOrNone());
    }

    void CopyFrom(const CQuillmarkData_ContestNumberItem& other) { *this = other; }
    bool operator==(const CQuillmarkData_ContestNumberItem& other) const {
        return SameParts(other);
    }
};
