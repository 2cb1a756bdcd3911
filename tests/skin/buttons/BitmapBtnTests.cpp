// Bitmap buttons: the picture and caption colour each state shows, check boxes and push
// buttons, blinking, captions and tool tips, and buttons made from a BUTTON description.
#include <windows.h>

#include <gtest/gtest.h>

#include "ItemTestWindow.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CBitmapBtn.h"

namespace {

using itemtest::PixelOf;
using itemtest::PumpMessages;
using itemtest::RecordingWindow;
using Picture = CBitmapBtn::Picture;

constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(90, 90, 90);
constexpr int kWidth = 60;
constexpr int kHeight = 30;

class BitmapBtnTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Open(RECT{10, 10, 210, 110}));
        m_pictures[0] = itemtest::SolidBitmap(kWidth, kHeight, kNormal);
        m_pictures[1] = itemtest::SolidBitmap(kWidth, kHeight, kHover);
        m_pictures[2] = itemtest::SolidBitmap(kWidth, kHeight, kPressed);
        m_pictures[3] = itemtest::SolidBitmap(kWidth, kHeight, kDisabled);
    }

    std::unique_ptr<CBitmapBtn> MakeButton(bool checkBox)
    {
        auto button = std::make_unique<CBitmapBtn>();
        EXPECT_TRUE(button->CreateButton(m_parent.Handle(), RECT{20, 20, 20 + kWidth, 20 + kHeight}));
        button->SetCheckBox(checkBox);
        button->SetPictures(m_pictures[0].Get(), m_pictures[1].Get(), m_pictures[2].Get(), m_pictures[3].Get(), 0, 0,
                            kWidth, kHeight);
        return button;
    }

    static COLORREF Shown(const CBitmapBtn& button) { return PixelOf(button.Handle(), 5, 5); }

    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

    RecordingWindow m_parent;
    UniqueBitmap m_pictures[4];
};

TEST_F(BitmapBtnTest, ChoosesThePictureOfEachState)
{
    using State = CBitmapBtn::DrawState;
    // Push buttons.
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{}), Picture::Normal);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.hovered = true}), Picture::Hover);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.hovered = true, .pressed = true}), Picture::Pressed);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checked = true}), Picture::Pressed);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.disabled = true}), Picture::Disabled);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checked = true, .disabled = true}), Picture::Pressed);
    // Check boxes never show the disabled picture.
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checkBox = true, .disabled = true}), Picture::Normal);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checkBox = true, .checked = true, .disabled = true}), Picture::Pressed);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checkBox = true, .hovered = true}), Picture::Hover);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checkBox = true, .pressed = true}), Picture::Normal);
    // A blinking button shows its blink picture whatever else holds.
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.disabled = true, .blinking = true, .blinkPicture = Picture::Pressed}),
              Picture::Pressed);
    EXPECT_EQ(CBitmapBtn::ChoosePicture(State{.checked = true, .blinking = true}), Picture::Normal);
    // Caption colours follow pressed, then hover, then disabled.
    EXPECT_EQ(CBitmapBtn::ChooseCaptionState(State{.checkBox = true, .checked = true}), Picture::Pressed);
    EXPECT_EQ(CBitmapBtn::ChooseCaptionState(State{.hovered = true, .disabled = true}), Picture::Hover);
    EXPECT_EQ(CBitmapBtn::ChooseCaptionState(State{.disabled = true}), Picture::Disabled);
}

TEST_F(BitmapBtnTest, PaintsThePictureOfItsState)
{
    auto push = MakeButton(false);
    EXPECT_EQ(Shown(*push), kNormal);
    push->SetChecked(true);  // the page marks it: pressed look with the mouse away
    EXPECT_EQ(Shown(*push), kPressed);
    push->SetChecked(false);
    EnableWindow(push->Handle(), FALSE);
    EXPECT_EQ(Shown(*push), kDisabled);

    auto checkBox = MakeButton(true);
    EnableWindow(checkBox->Handle(), FALSE);
    EXPECT_EQ(Shown(*checkBox), kNormal);
    checkBox->SetChecked(true);
    EXPECT_EQ(Shown(*checkBox), kPressed);
}

TEST_F(BitmapBtnTest, MissingPictureLeavesItsStateBlankAndKeepsTheOthers)
{
    auto button = std::make_unique<CBitmapBtn>();
    ASSERT_TRUE(button->CreateButton(m_parent.Handle(), RECT{20, 20, 20 + kWidth, 20 + kHeight}));
    button->SetPictures(m_pictures[0].Get(), nullptr, nullptr, nullptr, 0, 0, kWidth, kHeight);
    EXPECT_EQ(Shown(*button), kNormal);
    // A later call without a normal picture keeps the one given before.
    button->SetPictures(nullptr, nullptr, m_pictures[2].Get(), nullptr, 0, 0, kWidth, kHeight);
    EXPECT_EQ(Shown(*button), kNormal);
    button->SetChecked(true);
    EXPECT_EQ(Shown(*button), kPressed);
    EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & (WS_TABSTOP | WS_BORDER), 0);
    EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(GetDlgCtrlID(button->Handle()), 0);
}

TEST_F(BitmapBtnTest, CheckBoxReportsThePressAtOnceAndFlipsInToggleModeOne)
{
    auto checkBox = MakeButton(true);
    SendMessageW(checkBox->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    ASSERT_EQ(m_parent.Of(WM_COMMAND).size(), 1u);
    const auto command = m_parent.Of(WM_COMMAND).front();
    EXPECT_EQ(HIWORD(command.wParam), BN_CLICKED);
    EXPECT_EQ(LOWORD(command.wParam), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(command.lParam), checkBox->Handle());
    EXPECT_TRUE(checkBox->IsChecked());
    EXPECT_EQ(Shown(*checkBox), kPressed);
    // The release sends nothing more.
    SendMessageW(checkBox->Handle(), WM_LBUTTONUP, 0, At(5, 5));
    PumpMessages();
    EXPECT_EQ(m_parent.Of(WM_COMMAND).size(), 1u);
    SendMessageW(checkBox->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_FALSE(checkBox->IsChecked());
    EXPECT_EQ(m_parent.Of(WM_COMMAND).size(), 2u);
}

TEST_F(BitmapBtnTest, CheckBoxInToggleModeZeroReportsButKeepsItsPicture)
{
    auto checkBox = MakeButton(true);
    checkBox->SetToggleMode(0);
    for (int press = 1; press <= 2; ++press) {
        SendMessageW(checkBox->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
        SendMessageW(checkBox->Handle(), WM_LBUTTONUP, 0, At(5, 5));
        EXPECT_EQ(m_parent.Of(WM_COMMAND).size(), static_cast<size_t>(press));
        EXPECT_FALSE(checkBox->IsChecked());
        EXPECT_NE(Shown(*checkBox), kPressed);
    }
}

TEST_F(BitmapBtnTest, PushButtonReportsOnReleaseOnly)
{
    auto push = MakeButton(false);
    SendMessageW(push->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(m_parent.Of(WM_COMMAND).empty());
    SendMessageW(push->Handle(), WM_LBUTTONUP, 0, At(5, 5));
    PumpMessages();
    ASSERT_EQ(m_parent.Of(WM_COMMAND).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(m_parent.Of(WM_COMMAND).front().lParam), push->Handle());
    EXPECT_EQ(HIWORD(m_parent.Of(WM_COMMAND).front().wParam), BN_CLICKED);
    EXPECT_FALSE(push->IsChecked());
}

TEST_F(BitmapBtnTest, HoverHoldsTheMouseUntilItLeaves)
{
    SetForegroundWindow(m_parent.Handle());
    auto button = MakeButton(false);
    POINT inside{5, 5};
    ClientToScreen(button->Handle(), &inside);
    SetCursorPos(inside.x, inside.y);
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_TRUE(button->IsHovered());
    EXPECT_EQ(GetCapture(), button->Handle());
    EXPECT_EQ(Shown(*button), kHover);

    // Still over the button: nothing changes.
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, At(6, 6));
    EXPECT_TRUE(button->IsHovered());

    POINT outside{kWidth + 30, 5};
    ClientToScreen(button->Handle(), &outside);
    SetCursorPos(outside.x, outside.y);
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, At(kWidth + 30, 5));
    EXPECT_FALSE(button->IsHovered());
    EXPECT_NE(GetCapture(), button->Handle());
    EXPECT_EQ(Shown(*button), kNormal);
    EXPECT_TRUE(m_parent.Of(WM_COMMAND).empty());
}

TEST_F(BitmapBtnTest, BlinkAlternatesNormalAndPressedEvenWhenDisabled)
{
    auto button = MakeButton(false);
    EnableWindow(button->Handle(), FALSE);
    button->StartBlink(500);
    EXPECT_EQ(Shown(*button), kNormal);
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer, 0);
    EXPECT_EQ(Shown(*button), kPressed);
    // Timers of other identifiers change nothing.
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer + 1, 0);
    EXPECT_EQ(Shown(*button), kPressed);
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer, 0);
    EXPECT_EQ(Shown(*button), kNormal);
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer, 0);
    EXPECT_EQ(Shown(*button), kPressed);
    button->StopBlink();
    EXPECT_FALSE(button->IsBlinking());
    EXPECT_EQ(Shown(*button), kDisabled);
    // A late timer message after the stop does not start blinking again.
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer, 0);
    EXPECT_EQ(Shown(*button), kDisabled);
}

TEST_F(BitmapBtnTest, CaptionColourZeroIsDrawnNearlyWhite)
{
    auto button = MakeButton(false);
    button->SetCaptionFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    button->SetCaption(L"MMMM", CLanguageSet::kCapsNone);
    const RECT client{0, 0, kWidth, kHeight};
    EXPECT_GT(itemtest::CountPixels(button->Handle(), client, CBitmapBtn::kDefaultCaptionColour), 10);
    EXPECT_EQ(itemtest::CountPixels(button->Handle(), client, RGB(255, 255, 255)), 0);
    // A colour of its own for the pressed state, used when the page marks the button.
    button->SetCaptionColour(Picture::Pressed, RGB(255, 255, 0));
    button->SetChecked(true);
    EXPECT_GT(itemtest::CountPixels(button->Handle(), client, RGB(255, 255, 0)), 10);
    EXPECT_EQ(itemtest::CountPixels(button->Handle(), client, CBitmapBtn::kDefaultCaptionColour), 0);
}

TEST_F(BitmapBtnTest, CaptionIsTranslatedConvertedAndBrokenOnce)
{
    const itemtest::CurrentLanguage language({{u"apply", u"Apply\\nnow\\nplease"}});
    auto button = MakeButton(false);
    button->SetCaption(L"$apply", CLanguageSet::kCapsUpper);
    EXPECT_EQ(button->Caption(), L"APPLY\r\nNOW\\NPLEASE");
    // A key no language knows is shown as written, converted all the same.
    button->SetCaption(L"$Missing", CLanguageSet::kCapsLower);
    EXPECT_EQ(button->Caption(), L"$missing");
}

TEST_F(BitmapBtnTest, ToolTipShowsALineBreakAsASpace)
{
    auto button = MakeButton(false);
    button->SetToolTip(L"Line1\\nLine2");
    EXPECT_EQ(button->ToolTipText(), L"Line1 Line2");
    const itemtest::CurrentLanguage language({{u"tip", u"Saves\\nthe profile"}});
    button->SetToolTip(L"$tip");
    EXPECT_EQ(button->ToolTipText(), L"Saves the profile");
    button->SetToolTip(L"");
    EXPECT_EQ(button->ToolTipText(), L"");
}

TEST_F(BitmapBtnTest, OddMessagesChangeNothing)
{
    auto button = MakeButton(false);
    SendMessageW(button->Handle(), WM_TIMER, CBitmapBtn::kBlinkTimer, 0);
    SendMessageW(button->Handle(), WM_CAPTURECHANGED, 0, 0);
    SendMessageW(button->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(SendMessageW(button->Handle(), WM_ERASEBKGND, 0, 0), 1);
    EXPECT_FALSE(button->IsBlinking());
    EXPECT_EQ(Shown(*button), kNormal);
    EXPECT_TRUE(m_parent.received.empty());
}

class BitmapBtnDescriptionTest : public BitmapBtnTest
{
protected:
    ResourceRecord Record(const UniqueBitmap& bitmap) const
    {
        ResourceRecord record;
        record.loaded = true;
        record.handle = reinterpret_cast<uintptr_t>(bitmap.Get());
        record.width = kWidth;
        record.height = kHeight;
        return record;
    }
};

TEST_F(BitmapBtnDescriptionTest, MakesTheButtonADescriptionAsks)
{
    ResourceRecord records[4] = {Record(m_pictures[0]), Record(m_pictures[1]), Record(m_pictures[2]),
                                 Record(m_pictures[3])};
    ButtonDescription description;
    description.identifier = 5;
    description.rect = LayoutRect{20, 20, kWidth, kHeight};
    description.isCheckbox = true;
    for (size_t state = 0; state < 4; ++state)
        description.states[state].picture = &records[state];
    description.states[ButtonDescription::kDown].captionColour = RGB(1, 2, 3);
    description.justify = Justify::Centre;
    description.pictureWidth = kWidth;
    description.pictureHeight = kHeight;
    description.tooltip = L"A\\nB";
    description.caption = L"ok";
    description.caps = CLanguageSet::kCapsUpper;

    auto button = CBitmapBtn::Create(description, m_parent.Handle(), nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetParent(button->Handle()), m_parent.Handle());
    EXPECT_TRUE(IsWindowVisible(button->Handle()));
    EXPECT_TRUE(button->IsCheckBox());
    EXPECT_EQ(button->Caption(), L"OK");
    EXPECT_EQ(button->ToolTipText(), L"A B");
    const UINT flags = button->CaptionFlags();
    EXPECT_EQ(flags & (DT_CENTER | DT_RIGHT), static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(flags & (DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE),
              static_cast<UINT>(DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE));
    EXPECT_EQ(Shown(*button), kNormal);
    button->SetChecked(true);
    EXPECT_EQ(Shown(*button), kPressed);
    const RECT client{0, 0, kWidth, kHeight};
    EXPECT_GT(itemtest::CountPixels(button->Handle(), client, RGB(1, 2, 3)), 0);
}

TEST_F(BitmapBtnDescriptionTest, DynamicButtonWaitsForItsPictures)
{
    ResourceRecord record = Record(m_pictures[0]);
    ButtonDescription description;
    description.rect = LayoutRect{20, 20, kWidth, kHeight};
    description.dynamic = true;
    description.multiline = true;
    for (auto& state : description.states)
        state.picture = &record;
    auto button = CBitmapBtn::Create(description, m_parent.Handle(), nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->CaptionFlags() & DT_SINGLELINE, 0u);
    EXPECT_NE(Shown(*button), kNormal);
    button->SetPictures(m_pictures[1].Get(), nullptr, nullptr, nullptr, 0, 0, kWidth, kHeight);
    EXPECT_EQ(Shown(*button), kHover);
}

}  // namespace
