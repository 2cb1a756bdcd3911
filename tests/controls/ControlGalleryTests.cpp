// The custom controls made by the layout loader from the gallery layout, in the installation's
// pictures, driven by real X input (xdotool) where a user would use the mouse and by window
// messages for the rest, and checked by what they report and what the screen shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "../support/GalleryProgram.h"
#include "../support/RealInput.h"
#include "../support/TempFolder.h"
#include "../support/WindowTestSupport.h"
#include "controls/CAPMSlider.h"
#include "controls/CAVIButton.h"
#include "controls/CDMarker.h"
#include "controls/CDPIStageWindow.h"
#include "controls/CProfileBtn.h"
#include "controls/CSliderHMulti.h"
#include "controls/CVertSlider.h"
#include "gallery/CControlGallery.h"
#include "platform/FileSystem.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/CResourceCache.h"
#include "skin/win/CBitmapItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/Notifications.h"

namespace {

std::wstring ProgramFolder()
{
    return wintest::WindowsPath(std::string_view(VANTIX_TEST_PROGRAM_DIR), true);
}

using wintest::ScreenPixel;

// A pixel of a picture of the installation, as the cache holds it.
COLORREF PicturePixel(const wchar_t* name, int x, int y)
{
    const ResourceRecord& record = CSkinEnvironment::Instance().Cache().Fetch(name, ResourceType::Picture);
    const UniqueDc dc = CreateCompatibleDc(nullptr);
    const ScopedSelect selected(dc.Get(), reinterpret_cast<HBITMAP>(record.handle));
    return GetPixel(dc.Get(), x, y);
}

// How many pixels of the area (client coordinates) show the colour.
int CountScreenPixels(HWND window, const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += ScreenPixel(window, x, y) == colour ? 1 : 0;
    return count;
}

RECT PlaceIn(HWND window, HWND parent)
{
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// An uncompressed animation of `colours.size()` frames, 16 x 16 pixels, 10 frames a second.
std::string Animation(const std::vector<COLORREF>& colours)
{
    constexpr uint32_t kSide = 16;
    constexpr uint32_t kFrameBytes = kSide * kSide * 3;
    std::string out;
    const auto u32 = [](std::string& to, uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            to.push_back(static_cast<char>((value >> shift) & 0xFF));
    };
    const auto chunk = [&](const char* id, const std::string& body) {
        std::string c(id, 4);
        u32(c, static_cast<uint32_t>(body.size()));
        return c + body;
    };
    const auto list = [&](const char* type, const std::string& body) { return chunk("LIST", std::string(type, 4) + body); };
    const auto frames = static_cast<uint32_t>(colours.size());
    std::string avih;
    for (uint32_t value : {100000u, 0u, 0u, 0x10u, frames, 0u, 1u, kFrameBytes, kSide, kSide, 0u, 0u, 0u, 0u})
        u32(avih, value);
    std::string strh = "vidsDIB ";
    for (uint32_t value : {0u, 0u, 0u, 1u, 10u, 0u, frames, kFrameBytes, 0xFFFFFFFFu, 0u})
        u32(strh, value);
    u32(strh, 0);
    u32(strh, kSide | (kSide << 16));
    std::string strf;
    for (uint32_t value : {40u, kSide, kSide})
        u32(strf, value);
    u32(strf, 1 | (24 << 16));
    for (uint32_t value : {0u, kFrameBytes, 0u, 0u, 0u, 0u})
        u32(strf, value);
    std::string movi;
    std::string index;
    for (const COLORREF colour : colours) {
        std::string pixels;
        for (uint32_t pixel = 0; pixel < kSide * kSide; ++pixel)
            pixels += {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                       static_cast<char>(GetRValue(colour))};
        index += "00db";
        u32(index, 0x10);
        u32(index, static_cast<uint32_t>(4 + movi.size()));
        u32(index, kFrameBytes);
        movi += chunk("00db", pixels);
    }
    const std::string body = std::string("AVI ", 4) +
                             list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf))) +
                             list("movi", movi) + chunk("idx1", index);
    return chunk("RIFF", body);
}

}  // namespace

class ControlGalleryTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_skin = std::make_unique<galleryprogram::ProgramSkin>(ProgramFolder(), L"English"); }
    static void TearDownTestSuite() { s_skin.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(wintest::ParkPointer());
        ASSERT_TRUE(m_gallery.Open());
        SetForegroundWindow(m_gallery.Handle());
        Settle();
    }

    // Runs what the window's own queue holds (paints, posted notifications) and paints the
    // gallery afresh. Wine shows what was painted once the thread waits for messages again.
    void Settle()
    {
        (void)wintest::PumpUntil([] { return GetQueueStatus(QS_ALLINPUT) == 0; });
        RedrawWindow(m_gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        (void)MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    }

    template <typename Item>
    Item& Find(int32_t identifier, ItemKind kind)
    {
        Item* item = m_gallery.Find<Item>(identifier, kind);
        if (item == nullptr)
            throw std::runtime_error("the gallery lacks an item");
        return *item;
    }

    // Real input, then the messages until `done`.
    void Input(const std::wstring& arguments, const std::function<bool()>& done)
    {
        ASSERT_TRUE(wintest::Xdotool(arguments));
        POINT cursor{};
        const bool effect = wintest::PumpUntil(done);
        GetCursorPos(&cursor);
        ASSERT_TRUE(effect) << "no effect of: xdotool " << std::string(arguments.begin(), arguments.end())
                            << "; the pointer is at " << cursor.x << ", " << cursor.y;
        Settle();
    }

    [[nodiscard]] size_t CountOf(UINT message) const { return m_gallery.Of(message).size(); }

    static inline std::unique_ptr<galleryprogram::ProgramSkin> s_skin;
    CControlGallery m_gallery;
};

TEST_F(ControlGalleryTest, LayoutMakesEachControlAndProgramSetValuesAreNotReported)
{
    auto& slider = Find<CSliderHMulti>(ItemId::SLIDER_DPI_MULTI, ItemKind::MultiSlider);
    const HWND track = m_gallery.Items().FindPicture(ItemId::BITMAP_SLSENSTRK_XY)->Handle();
    // Seven STAGE elements: five thumbs, from step 3 on.
    ASSERT_EQ(slider.ThumbCount(), 5u);
    for (size_t index = 0; index < 5; ++index) {
        EXPECT_EQ(slider.Thumb(index)->Identifier(), ItemId::SLIDER_DPI_MULTI_STAGE1 + static_cast<int32_t>(index));
        EXPECT_EQ(slider.Thumb(index)->GetValue(), 3 + static_cast<int32_t>(index));
        EXPECT_EQ(slider.Thumb(index)->Kind(), ItemKind::SliderStage);
    }
    EXPECT_EQ(slider.Owner(), track);

    auto& zones = Find<CAPMSlider>(ItemId::SLIDER_APM_MULTI, ItemKind::ApmSlider);
    EXPECT_EQ(GetParent(zones.Handle()), m_gallery.Items().FindPicture(ItemId::BITMAP_SLACCLTRK)->Handle());
    EXPECT_EQ(zones.Values(), (std::vector<int32_t>{11, 21}));
    EXPECT_EQ(zones.ZoneColours(), (std::vector<uint32_t>{0x000000, 0x181818, 0x000000}));

    auto& vertical = Find<CVertSlider>(ItemId::SLIDER_SCROLL, ItemKind::VerticalSlider);
    EXPECT_EQ(PlaceIn(vertical.Handle(), m_gallery.Handle()).bottom, 44 + 200);
    auto& tile = Find<CDPIStageWindow>(ItemId::DPISTAGEWINDOW_02, ItemKind::DpiStageWindow);
    EXPECT_EQ(tile.StageIndex(), 2);
    EXPECT_EQ(tile.Heading(), L"Stage 2");
    auto& profile = Find<CProfileBtn>(ItemId::BUTTON_PROFILE01, ItemKind::ProfileButton);
    EXPECT_EQ(profile.ToolTipText(), L"Active profile");
    auto& animation = Find<CAVIButton>(ItemId::BUTTON_AVI, ItemKind::AviButton);
    EXPECT_EQ(animation.SoundFile(), L"intro.wav");
    EXPECT_EQ(animation.AnimationPath(), ProgramFolder() + L"skins\\intro.avi");

    slider.SetRange(70, 1);
    slider.Thumb(0)->SetValue(40);
    zones.Initialise();
    vertical.SetValue(50);
    Find<CDMarker>(ItemId::SLIDER_DOUBLECLICK, ItemKind::Marker).SetValue(7);
    tile.SetSelected(true);
    profile.SetToggled(true);
    m_gallery.Fill();
    Settle();
    EXPECT_EQ(slider.Thumb(0)->GetValue(), 40);
    EXPECT_TRUE(m_gallery.Of(WM_COMMAND).empty());
    for (const uint32_t message : {Notification::kSliderMoved, Notification::kMarkerMoved, Notification::kStageSelected,
                                   Notification::kZoneClicked})
        EXPECT_EQ(CountOf(message), 0u) << message;
}

TEST_F(ControlGalleryTest, ThumbDraggedWithTheMouseReportsItsStepAndIsDrawnThere)
{
    auto& slider = Find<CSliderHMulti>(ItemId::SLIDER_DPI_MULTI, ItemKind::MultiSlider);
    slider.SetRange(1, 70);
    CPHSlider& thumb = *slider.Thumb(0);
    const int32_t from = thumb.Scale().CentreOf(3);
    const int32_t to = thumb.Scale().CentreOf(60);
    const std::wstring drag = L"mousemove " + wintest::ScreenArguments(slider.Handle(), from, 18) +
                              L" mousedown 1 mousemove " + wintest::ScreenArguments(slider.Handle(), (from + to) / 2, 20) +
                              L" mousemove " + wintest::ScreenArguments(slider.Handle(), to, 22) + L" mouseup 1";
    ASSERT_NO_FATAL_FAILURE(Input(drag, [&] { return !thumb.IsDragging() && thumb.GetValue() == 60 && CountOf(Notification::kSliderMoved) > 0; }));

    const auto moved = m_gallery.Of(Notification::kSliderMoved);
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved.back().wParam, 60u);
    for (const auto& report : moved)
        EXPECT_EQ(report.lParam, ItemId::SLIDER_DPI_MULTI_STAGE1);
    const RECT place = PlaceIn(thumb.Handle(), slider.Handle());
    EXPECT_EQ(place.left, to - 7);
    // Under the pointer, the thumb shows its highlight picture; where it was, the track shows.
    EXPECT_EQ(ScreenPixel(slider.Handle(), to, 18), PicturePixel(L"thumb_o.bmp", 7, 18));
    EXPECT_EQ(ScreenPixel(slider.Handle(), from, 18), PicturePixel(L"track_xy.bmp", from, 18));
}

TEST_F(ControlGalleryTest, ClickOnTheTrackMovesOnlyTheFirstThumbAndIsReportedOnce)
{
    auto& slider = Find<CSliderHMulti>(ItemId::SLIDER_DPI_MULTI, ItemKind::MultiSlider);
    // The window that holds a slider may own it as well: it hears each change once.
    slider.SetOwner(m_gallery.Handle());
    const int32_t x = slider.Thumb(0)->Scale().CentreOf(25);
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(slider.Handle(), x, 30) + L" click 1",
          [&] { return CountOf(Notification::kSliderMoved) > 0; }));

    ASSERT_EQ(CountOf(Notification::kSliderMoved), 1u);
    EXPECT_EQ(m_gallery.Of(Notification::kSliderMoved).front().wParam, 25u);
    for (size_t index = 1; index < slider.ThumbCount(); ++index)
        EXPECT_EQ(slider.Thumb(index)->GetValue(), 3 + static_cast<int32_t>(index));
}

TEST_F(ControlGalleryTest, ZoneSliderKeepsThumbsApartUnlessFreeAndReportsTheZoneClicked)
{
    auto& zones = Find<CAPMSlider>(ItemId::SLIDER_APM_MULTI, ItemKind::ApmSlider);
    const auto dragFirstTo = [&](int32_t x) {
        const HWND thumb = zones.Thumb(0)->Handle();
        const RECT place = PlaceIn(thumb, zones.Handle());
        const int32_t grab = 7;
        SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab, 10));
        SendMessageW(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - place.left, 10));
        SendMessageW(thumb, WM_LBUTTONUP, 0, MAKELPARAM(x - place.left, 10));
        Settle();
        return zones.Thumb(0)->GetValue();
    };
    EXPECT_EQ(dragFirstTo(500), 21);
    zones.SetFree(true);
    zones.Initialise();
    EXPECT_EQ(dragFirstTo(500), 32);
    EXPECT_GT(CountOf(Notification::kSliderMoved), 0u);

    zones.SetFree(false);
    zones.Initialise();
    zones.SetZoneColours({RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
    Settle();
    const COLORREF left = ScreenPixel(zones.Handle(), 30, 4);
    EXPECT_GT(GetRValue(left), 180);
    EXPECT_LT(GetGValue(left), 80);

    for (const auto& [x, zone] : {std::pair{30, 0u}, std::pair{250, 1u}, std::pair{480, 2u}}) {
        m_gallery.Forget();
        ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(zones.Handle(), x, 4) + L" click 1",
              [&] { return CountOf(Notification::kZoneClicked) > 0; }));
        const auto clicked = m_gallery.Of(Notification::kZoneClicked);
        ASSERT_EQ(clicked.size(), 1u);
        EXPECT_EQ(clicked.front().wParam, zone) << x;
        EXPECT_EQ(clicked.front().lParam, ItemId::SLIDER_APM_MULTI);
    }
}

TEST_F(ControlGalleryTest, VerticalSliderDraggedToItsEndsReportsHundredAndZeroWithinItsLimits)
{
    auto& vertical = Find<CVertSlider>(ItemId::SLIDER_SCROLL, ItemKind::VerticalSlider);
    // The value reported once the thumb is let go at the gallery's `y`; -1 for none.
    const auto dragTo = [&](int32_t y) {
        m_gallery.Forget();
        const RECT place = PlaceIn(vertical.Handle(), m_gallery.Handle());
        const int32_t x = place.left + 7;
        Input(L"mousemove " + wintest::ScreenArguments(m_gallery.Handle(), x, place.top + 18) + L" mousedown 1 " +
                  L"mousemove " + wintest::ScreenArguments(m_gallery.Handle(), x + 3, y) + L" mouseup 1",
              [&] { return !vertical.IsDragging() && CountOf(Notification::kSliderMoved) > 0; });
        const auto moved = m_gallery.Of(Notification::kSliderMoved);
        if (moved.empty() || moved.back().lParam != ItemId::SLIDER_SCROLL)
            return -1;
        return static_cast<int32_t>(moved.back().wParam);
    };
    EXPECT_EQ(dragTo(0), 100);
    EXPECT_EQ(PlaceIn(vertical.Handle(), m_gallery.Handle()).top, 44);
    EXPECT_EQ(dragTo(400), 0);
    vertical.SetLimits(20, 80);
    EXPECT_EQ(dragTo(0), 80);
}

TEST_F(ControlGalleryTest, LevelBarReportsTheValueUnderTheMouseAndFillsToIt)
{
    auto& marker = Find<CDMarker>(ItemId::SLIDER_DOUBLECLICK, ItemKind::Marker);
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(marker.Handle(), 260, 18) + L" click 1",
          [&] { return CountOf(Notification::kMarkerMoved) > 0; }));
    auto reported = m_gallery.Of(Notification::kMarkerMoved);
    EXPECT_EQ(reported.back().wParam, 5u);
    EXPECT_EQ(reported.back().lParam, ItemId::SLIDER_DOUBLECLICK);
    EXPECT_EQ(ScreenPixel(marker.Handle(), 150, 18), PicturePixel(L"track_accel.bmp", 150, 18));
    EXPECT_EQ(ScreenPixel(marker.Handle(), 400, 18), PicturePixel(L"track_accel_off.bmp", 400, 18));

    // Pressed on the bar and let go left of it: the minimum.
    m_gallery.Forget();
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(marker.Handle(), 100, 18) + L" mousedown 1 mousemove " +
              wintest::ScreenArguments(marker.Handle(), -15, 18) + L" mouseup 1",
          [&] { return !marker.IsDragging() && CountOf(Notification::kMarkerMoved) > 0; }));
    EXPECT_EQ(m_gallery.Of(Notification::kMarkerMoved).back().wParam, 0u);
}

TEST_F(ControlGalleryTest, StageTileClickedSelectsItOnceAndShowsItsSelectedFrame)
{
    auto& tile = Find<CDPIStageWindow>(ItemId::DPISTAGEWINDOW_01, ItemKind::DpiStageWindow);
    tile.SetValues(1200, 0, 0);
    Settle();
    EXPECT_EQ(ScreenPixel(tile.Handle(), 0, 75), PicturePixel(L"stage_frame.bmp", 0, 75));
    // Numbers are drawn in the default light colour.
    EXPECT_GT(CountScreenPixels(tile.Handle(), RECT{22, 80, 114, 106}, RGB(0xFE, 0xFE, 0xFE)), 0);

    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(tile.Handle(), 68, 40) + L" click 1",
          [&] { return CountOf(Notification::kStageSelected) > 0; }));
    const auto selected = m_gallery.Of(Notification::kStageSelected);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected.front().wParam, 1u);
    EXPECT_EQ(selected.front().lParam, ItemId::DPISTAGEWINDOW_01);
    EXPECT_EQ(ScreenPixel(tile.Handle(), 0, 75), PicturePixel(L"stage_frame_sel.bmp", 0, 75));
    EXPECT_EQ(ScreenPixel(tile.Handle(), 20, 79), PicturePixel(L"stageSelected.bmp", 1, 1));

    // A click on the selected tile says nothing; a tile that is not shown draws nothing.
    SendMessageW(tile.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(68, 40));
    tile.SetShown(false);
    Settle();
    EXPECT_EQ(CountOf(Notification::kStageSelected), 1u);
    EXPECT_NE(ScreenPixel(tile.Handle(), 0, 75), PicturePixel(L"stage_frame_sel.bmp", 0, 75));
    EXPECT_EQ(CountScreenPixels(tile.Handle(), RECT{22, 80, 114, 106}, RGB(0xFE, 0xFE, 0xFE)), 0);
}

TEST_F(ControlGalleryTest, ProfileButtonClicksAndTogglesAndDrawsItsColumns)
{
    auto& profile = Find<CProfileBtn>(ItemId::BUTTON_PROFILE01, ItemKind::ProfileButton);
    const auto commands = [&] {
        size_t count = 0;
        for (const auto& command : m_gallery.Of(WM_COMMAND))
            count += reinterpret_cast<HWND>(command.lParam) == profile.Handle() ? 1 : 0;
        return count;
    };
    const std::wstring at = wintest::ScreenArguments(profile.Handle(), 100, 16);
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + at + L" click 1", [&] { return commands() == 1; }));
    EXPECT_FALSE(profile.IsToggled());

    profile.SetToggleMode(true);
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + at + L" click --repeat 2 --delay 700 1", [&] { return commands() == 3; }));
    EXPECT_FALSE(profile.IsToggled());

    // The picture alone while the first text is empty; the texts over it, in their colour,
    // once it has one.
    const RECT column{60, 2, 148, 30};
    EXPECT_EQ(CountScreenPixels(profile.Handle(), column, RGB(0xE0, 0xE0, 0xE0)), 0);
    m_gallery.Fill();
    Settle();
    EXPECT_GT(CountScreenPixels(profile.Handle(), column, RGB(0xE0, 0xE0, 0xE0)), 0);
}

TEST_F(ControlGalleryTest, AnimationButtonDoubleClickedPlaysItsFileOnce)
{
    const TempFolder folder;
    const std::wstring path = folder.File(L"frames.avi");
    ASSERT_TRUE(platform::WriteFileAtomically(path, Animation({RGB(255, 0, 0), RGB(0, 255, 0)})));
    auto& animation = Find<CAVIButton>(ItemId::BUTTON_AVI, ItemKind::AviButton);
    animation.SetFiles(path, L"");
    ASSERT_NO_FATAL_FAILURE(Input(L"mousemove " + wintest::ScreenArguments(animation.Handle(), 32, 24) + L" click --repeat 2 --delay 80 1",
          [&] { return animation.AnimationWindow() != nullptr && ScreenPixel(animation.Handle(), 33, 25) == RGB(0, 255, 0); }));
    EXPECT_EQ(PlaceIn(animation.AnimationWindow(), animation.Handle()).left, 1);
}
