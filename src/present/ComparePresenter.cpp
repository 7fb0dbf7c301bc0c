#include "ComparePresenter.h"

#include <cstring>
#include <utility>

namespace tarvel::present {

namespace {

bool isChannelValue(const ImageDiff::Row& row)
{
    // The per-channel values sit in a group titled with their channel, which
    // their caption carries; a column would say it twice.
    const char* control = row.field->control;
    return control != nullptr && std::strstr(control, "Palec%d") != nullptr;
}

}  // namespace

CompareRowText ComparePresenter::row(const ImageDiff::Row& r) const
{
    CompareRowText out;
    const FieldPlace place = lookup_.place(r);
    out.tab = place.tab.empty() ? std::string(text(CompareText::OtherTab)) : place.tab;
    out.field = place.caption;
    if (out.field.empty()) {
        if (r.field->kind == ControlKind::MultipleList)
            out.field = text(CompareText::CaptionMultiple);
        else if (r.row >= 0)
            out.field = text(CompareText::CaptionMapCell);
        else
            out.field = r.label();
    }
    if (r.otherBits)
        out.field = r.label();
    if (r.row >= 0)
        out.position = fill(text(CompareText::RowColumn), std::to_string(r.row + 1), std::to_string(r.column + 1));
    else if (r.column >= 0 && !isChannelValue(r))
        out.position = fill(text(CompareText::Column), std::to_string(r.column + 1));
    out.valueA = value(r, r.valueA);
    out.valueB = value(r, r.valueB);
    return out;
}

std::vector<CompareRowText> ComparePresenter::rows(const ImageDiff& diff) const
{
    std::vector<CompareRowText> out;
    out.reserve(diff.rows().size());
    for (const ImageDiff::Row& r : diff.rows())
        out.push_back(row(r));
    return out;
}

std::string ComparePresenter::value(const ImageDiff::Row& r, int v) const
{
    const bool box = r.field->kind == ControlKind::CheckBox || r.field->kind == ControlKind::ClosingBit;
    if (box && !r.otherBits && (v == 0 || v == 1))
        return std::string(text(v == 1 ? CompareText::Yes : CompareText::No));
    if (!r.otherBits)
        if (auto shown = lookup_.valueText(r, v))
            return *shown;
    return std::to_string(v);
}

std::string ComparePresenter::summary(const ImageDiff& diff) const
{
    std::string line = fieldsDiffer(diff.count(), language_);
    if (diff.equal())
        return line;
    std::vector<std::pair<std::string, int>> perTab;
    for (const ImageDiff::Row& r : diff.rows()) {
        std::string tab = lookup_.place(r).tab;
        if (tab.empty())
            tab = text(CompareText::OtherTab);
        bool found = false;
        for (auto& [name, n] : perTab)
            if (name == tab) {
                ++n;
                found = true;
                break;
            }
        if (!found)
            perTab.emplace_back(std::move(tab), 1);
    }
    line += language_ == Language::French ? " : " : ": ";
    for (std::size_t i = 0; i < perTab.size(); ++i) {
        if (i > 0)
            line += ", ";
        line += perTab[i].first + " " + std::to_string(perTab[i].second);
    }
    return line;
}

}  // namespace tarvel::present
