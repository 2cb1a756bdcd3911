#include "skin/layout/LayoutFaults.h"

#include <algorithm>

namespace {

const wchar_t* KindText(LayoutProblem::Kind kind) noexcept
{
    switch (kind) {
    case LayoutProblem::Kind::LayoutUnreadable:
        return L"the layout file is missing or cannot be read";
    case LayoutProblem::Kind::LayoutMalformed:
        return L"the layout file is not well-formed XML";
    case LayoutProblem::Kind::NoContainer:
        return L"the layout file holds neither GUIPANEL nor ITEMLIST";
    case LayoutProblem::Kind::PictureUnloaded:
        return L"the picture is missing or cannot be read";
    case LayoutProblem::Kind::FontUnloaded:
        return L"the font file registers no font";
    case LayoutProblem::Kind::LanguageUnreadable:
        return L"the language file is missing or cannot be read";
    case LayoutProblem::Kind::LanguageDamaged:
        return L"the language file is damaged";
    case LayoutProblem::Kind::OutsideFolder:
        return L"the file name leaves its folder";
    }
    return L"unknown problem";
}

}  // namespace

namespace LayoutFaults {

bool PreventsWindow(const LayoutProblem& problem) noexcept
{
    return problem.kind != LayoutProblem::Kind::FontUnloaded &&
           problem.kind != LayoutProblem::Kind::LanguageUnreadable &&
           problem.kind != LayoutProblem::Kind::LanguageDamaged;
}

std::optional<LayoutProblem> FirstPreventing(std::span<const LayoutProblem> problems)
{
    const auto found = std::find_if(problems.begin(), problems.end(), PreventsWindow);
    return found != problems.end() ? std::optional<LayoutProblem>(*found) : std::nullopt;
}

std::wstring Describe(const LayoutProblem& problem)
{
    std::wstring line = problem.file + L": " + KindText(problem.kind);
    if (problem.kind == LayoutProblem::Kind::LayoutMalformed)
        line += L" (at byte " + std::to_wstring(problem.offset) + L")";
    return line;
}

}  // namespace LayoutFaults
