// What the comparison report shows, decided without a window: the texts of
// each row (tab, field caption, position, both values) and the summary line
// with the count per tab. Where a field sits and what its label says comes
// from the window through a lookup, so the captions are the ones on screen in
// the current language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CompareTexts.h"
#include "model/ImageDiff.h"

namespace tarvel::present {

// Where the control of a row sits on the window.
struct FieldPlace {
    std::string tab;      // the caption of its tab page; empty when it has none
    std::string caption;  // the label next to it; empty when it has none
};

class FieldLookup {
public:
    virtual FieldPlace place(const ImageDiff::Row& row) const = 0;
    // A value as its control would show it ("12,000", a list row's text);
    // nothing for the plain number.
    virtual std::optional<std::string> valueText(const ImageDiff::Row& row, int value) const = 0;

protected:
    ~FieldLookup() = default;
};

struct CompareRowText {
    std::string tab;
    std::string field;
    std::string position;
    std::string valueA;
    std::string valueB;
};

class ComparePresenter {
public:
    ComparePresenter(Language language, const FieldLookup& lookup) : language_(language), lookup_(lookup) {}

    CompareRowText row(const ImageDiff::Row& row) const;
    std::vector<CompareRowText> rows(const ImageDiff& diff) const;
    // "3 fields differ: Bike 1, Advance Map 2" (tabs in the order their rows
    // first appear), or "No fields differ".
    std::string summary(const ImageDiff& diff) const;

    std::string_view text(CompareText id) const { return compareText(id, language_); }
    Language language() const { return language_; }

private:
    std::string value(const ImageDiff::Row& row, int value) const;

    Language language_;
    const FieldLookup& lookup_;
};

}  // namespace tarvel::present
