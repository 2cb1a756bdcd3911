#pragma once

// The arithmetic of the drawn vertical scroll bar of a long list: where its pieces lie, where
// the thumb stands for a list position and which position a thumb stands for, and what a click
// asks of the list. All values are pixels from the bar's top, or list positions.

// The list's scroll state: positions 0 to max - page can be the top.
struct ScrollState
{
    int max = 0;
    int page = 0;
    int pos = 0;
};

// What the bar asks the list to do (the list scrolls; the bar then follows it).
enum class ScrollRequest
{
    None,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
};

// Heights of the pieces (from their pictures) and of the bar.
struct ScrollBarGeometry
{
    int top = 0;        // the top end piece
    int arrowUp = 0;
    int arrowDown = 0;
    int bottom = 0;     // the bottom end piece
    int thumb = 0;
    int height = 0;     // the whole bar

    // How far the thumb travels.
    [[nodiscard]] int TrackLength() const noexcept { return height - thumb - bottom - arrowDown - arrowUp - top; }
    // The thumb moves between just under the up arrow and just over the down arrow.
    [[nodiscard]] int ThumbMin() const noexcept { return top + arrowUp; }
    [[nodiscard]] int ThumbMax() const noexcept;
    [[nodiscard]] int DownArrowTop() const noexcept { return height - bottom - arrowDown; }
    [[nodiscard]] int BottomPieceTop() const noexcept { return height - bottom; }

    // Hit areas; both ends are inside.
    [[nodiscard]] bool OnArrowUp(int y) const noexcept { return y >= top && y <= top + arrowUp; }
    [[nodiscard]] bool OnArrowDown(int y) const noexcept { return y >= DownArrowTop() && y <= height - bottom; }
    [[nodiscard]] bool OnThumb(int y, int thumbTop) const noexcept { return y >= thumbTop && y <= thumbTop + thumb; }

    // Where the thumb lies for the list's position, within its bounds; at the top when the list
    // has nothing to scroll.
    [[nodiscard]] int ThumbFor(const ScrollState& state) const noexcept;
    // The list position a thumb at `thumbTop` stands for; 0 when nothing scrolls.
    [[nodiscard]] int PositionFor(int thumbTop, const ScrollState& state) const noexcept;
    // The thumb's top while it is dragged with the pointer at `y`: centred on the pointer,
    // within its bounds.
    [[nodiscard]] int DraggedThumb(int y) const noexcept;
    // What releasing the button at `y` asks: one line for a held arrow that is still under the
    // pointer; otherwise, unless the thumb was dragged or is under the pointer, a page towards
    // the pointer.
    [[nodiscard]] ScrollRequest ReleaseRequest(int y, int thumbTop, bool upHeld, bool downHeld,
                                               bool dragging) const noexcept;
};
