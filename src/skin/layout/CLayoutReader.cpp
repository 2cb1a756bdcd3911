#include "skin/layout/CLayoutReader.h"

#include "platform/FileSystem.h"
#include "skin/layout/CLayoutDocument.h"
#include "skin/layout/CLayoutLoad.h"
#include "skin/layout/CLayoutTextDecoder.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/FileReading.h"
#include "skin/layout/LayoutLimits.h"

LayoutDescription CLayoutReader::ReadFile(std::wstring_view fileName) const
{
    // The name is joined as given: layouts are named by the program, not by users.
    const std::wstring path = m_cache.FolderPath(L"xml") + std::wstring(fileName);
    CLayoutTextDecoder decoder;
    size_t total = 0;
    const auto result = FileReading::ReadBlocks(path, LayoutLimits::kReadBlockBytes, LayoutLimits::kMaxLayoutFileBytes,
                                                [&](std::span<const uint8_t> block) {
                                                    total += block.size();
                                                    decoder.Append(block);
                                                });
    if (result != FileReading::ReadResult::Complete || total == 0) {
        LayoutDescription unread;
        unread.problems.push_back({LayoutProblem::Kind::LayoutUnreadable, std::wstring(fileName)});
        return unread;
    }
    LayoutDescription description = Describe(decoder.Finish());
    for (LayoutProblem& problem : description.problems) {
        if (problem.kind == LayoutProblem::Kind::LayoutMalformed || problem.kind == LayoutProblem::Kind::NoContainer)
            problem.file = fileName;
    }
    return description;
}

LayoutDescription CLayoutReader::ReadBytes(std::string_view bytes) const
{
    if (bytes.empty() || bytes.size() > LayoutLimits::kMaxLayoutFileBytes) {
        LayoutDescription unread;
        unread.problems.push_back({LayoutProblem::Kind::LayoutUnreadable, {}});
        return unread;
    }
    CLayoutTextDecoder decoder;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t offset = 0; offset < bytes.size(); offset += LayoutLimits::kReadBlockBytes) {
        const size_t count = std::min(LayoutLimits::kReadBlockBytes, bytes.size() - offset);
        decoder.Append(std::span<const uint8_t>(data + offset, count));
    }
    return Describe(decoder.Finish());
}

LayoutDescription CLayoutReader::Describe(std::u16string_view text) const
{
    CLayoutDocument document;
    if (text.empty() || !document.Parse(text)) {
        LayoutDescription malformed;
        malformed.problems.push_back({LayoutProblem::Kind::LayoutMalformed, {}, {}, document.ErrorOffset()});
        return malformed;
    }
    return CLayoutLoad(document, m_cache, m_languages).Run();
}
