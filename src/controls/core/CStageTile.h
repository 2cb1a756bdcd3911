#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/layout/ItemDescriptions.h"

// A sensitivity stage tile as data: the numbers it shows (one value, or X and Y apart), whether
// it is shown, selected and clickable, and what a paint draws in which order. The tile's layout
// names its parts: pictures (frame, selected frame, the value boxes) and texts (heading, the
// labels).
class CStageTile
{
public:
    enum class Picture : uint8_t
    {
        Frame,          // "DPIFRAME"
        SelectedFrame,  // "DPIFRAMESELECTED"
        Value,          // "DPIWIN": the box of the one value
        XValue,         // "DPIWINX"
        YValue,         // "DPIWINY"
    };
    static constexpr size_t kPictureCount = 5;

    enum class Label : uint8_t
    {
        Heading,  // "HEADING"
        Dpi,      // "DPI": over the one value
        DpiX,     // "DPIX"
        DpiY,     // "DPIY"
        X,        // "X": beside the X value
        Y,        // "Y"
    };
    static constexpr size_t kLabelCount = 6;

    // A number in its box.
    struct Number
    {
        Picture box = Picture::Value;
        int32_t value = 0;
        friend bool operator==(const Number&, const Number&) = default;
    };

    // What one paint draws, in order: the background picture, the labels, then each box with
    // its number (the boxes in their selected look while the tile is selected).
    struct PaintPlan
    {
        std::optional<Picture> background;  // none: nothing is drawn at all
        std::vector<Label> labels;
        std::vector<Number> numbers;
        bool selectedBoxes = false;
    };

    // Texts drawn in 0 are drawn in this light colour.
    static constexpr uint32_t kDefaultTextColour = 0xFEFEFE;
    // A number is written this far inside its box, left and right / top and bottom.
    static constexpr int32_t kNumberInsetX = 3;
    static constexpr int32_t kNumberInsetY = 2;

    [[nodiscard]] static std::optional<Picture> PictureNamed(std::wstring_view name) noexcept;
    [[nodiscard]] static std::optional<Label> LabelNamed(std::wstring_view name) noexcept;
    // The heading and the X and Y letters are centred in their areas; the other labels are not.
    [[nodiscard]] static bool IsCentred(Label label) noexcept;
    [[nodiscard]] static uint32_t ShownColour(uint32_t colour) noexcept;
    [[nodiscard]] static RectEdges NumberArea(const RectEdges& box) noexcept;

    void SetValues(int32_t value, int32_t xValue, int32_t yValue) noexcept;
    void SetSeparate(bool separate) noexcept { m_separate = separate; }
    void SetShown(bool shown) noexcept { m_shown = shown; }
    void SetSelected(bool selected) noexcept { m_selected = selected; }
    void SetClickable(bool clickable) noexcept { m_clickable = clickable; }

    [[nodiscard]] int32_t Value() const noexcept { return m_value; }
    [[nodiscard]] int32_t XValue() const noexcept { return m_xValue; }
    [[nodiscard]] int32_t YValue() const noexcept { return m_yValue; }
    [[nodiscard]] bool IsSeparate() const noexcept { return m_separate; }
    [[nodiscard]] bool IsShown() const noexcept { return m_shown; }
    [[nodiscard]] bool IsSelected() const noexcept { return m_selected; }
    [[nodiscard]] bool IsClickable() const noexcept { return m_clickable; }

    // A click selects a clickable tile that is not selected yet; true when it did (and the
    // holder is to be told).
    bool Click() noexcept;

    // `hasSelectedFrame`: the layout gave a selected frame picture (else the frame is used).
    [[nodiscard]] PaintPlan Plan(bool hasSelectedFrame) const;

private:
    int32_t m_value = 0;
    int32_t m_xValue = 0;
    int32_t m_yValue = 0;
    bool m_separate = false;
    // A tile made from a layout shows its frame until its holder fills it.
    bool m_shown = true;
    bool m_selected = false;
    bool m_clickable = true;
};
