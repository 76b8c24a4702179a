#include "platform/VirtualKeyMapping.h"

#include <linux/input-event-codes.h>

#include <array>

// The 3270 keysyms are only defined on request.
#define XK_3270
#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace {

// Left and right modifiers keep their sides; the side-less ones (VK_SHIFT...) press the left
// key, as the physical keyboard most often does. Letters press the unshifted keysym, as a
// virtual key names a key and not a character.
constexpr VirtualKeyMapping kTable[] = {
    {0x08, KEY_BACKSPACE, XK_BackSpace},  // VK_BACK
    {0x09, KEY_TAB, XK_Tab},              // VK_TAB
    {0x0A, KEY_KPENTER,
     XK_KP_Enter},  // unassigned in Windows; the key names give it to the keypad Enter
    {0x0C, KEY_CLEAR, XK_Clear},         // VK_CLEAR
    {0x0D, KEY_ENTER, XK_Return},        // VK_RETURN
    {0x10, KEY_LEFTSHIFT, XK_Shift_L},   // VK_SHIFT
    {0x11, KEY_LEFTCTRL, XK_Control_L},  // VK_CONTROL
    {0x12, KEY_LEFTALT, XK_Alt_L},       // VK_MENU
    {0x13, KEY_PAUSE, XK_Pause},         // VK_PAUSE
    {0x14, KEY_CAPSLOCK, XK_Caps_Lock},  // VK_CAPITAL
    {0x1B, KEY_ESC, XK_Escape},          // VK_ESCAPE
    {0x20, KEY_SPACE, XK_space},         // VK_SPACE
    {0x21, KEY_PAGEUP, XK_Prior},        // VK_PRIOR
    {0x22, KEY_PAGEDOWN, XK_Next},       // VK_NEXT
    {0x23, KEY_END, XK_End},             // VK_END
    {0x24, KEY_HOME, XK_Home},           // VK_HOME
    {0x25, KEY_LEFT, XK_Left},           // VK_LEFT
    {0x26, KEY_UP, XK_Up},               // VK_UP
    {0x27, KEY_RIGHT, XK_Right},         // VK_RIGHT
    {0x28, KEY_DOWN, XK_Down},           // VK_DOWN
    {0x29, KEY_SELECT, XK_Select},       // VK_SELECT
    {0x2A, KEY_PRINT, XK_Print},         // VK_PRINT
    {0x2B, 0, XK_Execute},               // VK_EXECUTE
    {0x2C, KEY_SYSRQ, XK_Print},         // VK_SNAPSHOT
    {0x2D, KEY_INSERT, XK_Insert},       // VK_INSERT
    {0x2E, KEY_DELETE, XK_Delete},       // VK_DELETE
    {0x2F, KEY_HELP, XK_Help},           // VK_HELP
    {0x30, KEY_0, XK_0},
    {0x31, KEY_1, XK_1},
    {0x32, KEY_2, XK_2},
    {0x33, KEY_3, XK_3},
    {0x34, KEY_4, XK_4},
    {0x35, KEY_5, XK_5},
    {0x36, KEY_6, XK_6},
    {0x37, KEY_7, XK_7},
    {0x38, KEY_8, XK_8},
    {0x39, KEY_9, XK_9},
    {0x41, KEY_A, XK_a},
    {0x42, KEY_B, XK_b},
    {0x43, KEY_C, XK_c},
    {0x44, KEY_D, XK_d},
    {0x45, KEY_E, XK_e},
    {0x46, KEY_F, XK_f},
    {0x47, KEY_G, XK_g},
    {0x48, KEY_H, XK_h},
    {0x49, KEY_I, XK_i},
    {0x4A, KEY_J, XK_j},
    {0x4B, KEY_K, XK_k},
    {0x4C, KEY_L, XK_l},
    {0x4D, KEY_M, XK_m},
    {0x4E, KEY_N, XK_n},
    {0x4F, KEY_O, XK_o},
    {0x50, KEY_P, XK_p},
    {0x51, KEY_Q, XK_q},
    {0x52, KEY_R, XK_r},
    {0x53, KEY_S, XK_s},
    {0x54, KEY_T, XK_t},
    {0x55, KEY_U, XK_u},
    {0x56, KEY_V, XK_v},
    {0x57, KEY_W, XK_w},
    {0x58, KEY_X, XK_x},
    {0x59, KEY_Y, XK_y},
    {0x5A, KEY_Z, XK_z},
    {0x5B, KEY_LEFTMETA, XK_Super_L},   // VK_LWIN
    {0x5C, KEY_RIGHTMETA, XK_Super_R},  // VK_RWIN
    {0x5D, KEY_COMPOSE, XK_Menu},       // VK_APPS
    {0x5F, KEY_SLEEP, XF86XK_Sleep},    // VK_SLEEP
    {0x60, KEY_KP0, XK_KP_0},
    {0x61, KEY_KP1, XK_KP_1},
    {0x62, KEY_KP2, XK_KP_2},
    {0x63, KEY_KP3, XK_KP_3},
    {0x64, KEY_KP4, XK_KP_4},
    {0x65, KEY_KP5, XK_KP_5},
    {0x66, KEY_KP6, XK_KP_6},
    {0x67, KEY_KP7, XK_KP_7},
    {0x68, KEY_KP8, XK_KP_8},
    {0x69, KEY_KP9, XK_KP_9},
    {0x6A, KEY_KPASTERISK, XK_KP_Multiply},  // VK_MULTIPLY
    {0x6B, KEY_KPPLUS, XK_KP_Add},           // VK_ADD
    {0x6C, KEY_KPCOMMA, XK_KP_Separator},    // VK_SEPARATOR
    {0x6D, KEY_KPMINUS, XK_KP_Subtract},     // VK_SUBTRACT
    {0x6E, KEY_KPDOT, XK_KP_Decimal},        // VK_DECIMAL
    {0x6F, KEY_KPSLASH, XK_KP_Divide},       // VK_DIVIDE
    {0x70, KEY_F1, XK_F1},
    {0x71, KEY_F2, XK_F2},
    {0x72, KEY_F3, XK_F3},
    {0x73, KEY_F4, XK_F4},
    {0x74, KEY_F5, XK_F5},
    {0x75, KEY_F6, XK_F6},
    {0x76, KEY_F7, XK_F7},
    {0x77, KEY_F8, XK_F8},
    {0x78, KEY_F9, XK_F9},
    {0x79, KEY_F10, XK_F10},
    {0x7A, KEY_F11, XK_F11},
    {0x7B, KEY_F12, XK_F12},
    {0x7C, KEY_F13, XK_F13},
    {0x7D, KEY_F14, XK_F14},
    {0x7E, KEY_F15, XK_F15},
    {0x7F, KEY_F16, XK_F16},
    {0x80, KEY_F17, XK_F17},
    {0x81, KEY_F18, XK_F18},
    {0x82, KEY_F19, XK_F19},
    {0x83, KEY_F20, XK_F20},
    {0x84, KEY_F21, XK_F21},
    {0x85, KEY_F22, XK_F22},
    {0x86, KEY_F23, XK_F23},
    {0x87, KEY_F24, XK_F24},
    {0x90, KEY_NUMLOCK, XK_Num_Lock},                 // VK_NUMLOCK
    {0x91, KEY_SCROLLLOCK, XK_Scroll_Lock},           // VK_SCROLL
    {0xA0, KEY_LEFTSHIFT, XK_Shift_L},                // VK_LSHIFT
    {0xA1, KEY_RIGHTSHIFT, XK_Shift_R},               // VK_RSHIFT
    {0xA2, KEY_LEFTCTRL, XK_Control_L},               // VK_LCONTROL
    {0xA3, KEY_RIGHTCTRL, XK_Control_R},              // VK_RCONTROL
    {0xA4, KEY_LEFTALT, XK_Alt_L},                    // VK_LMENU
    {0xA5, KEY_RIGHTALT, XK_Alt_R},                   // VK_RMENU
    {0xA6, KEY_BACK, XF86XK_Back},                    // VK_BROWSER_BACK
    {0xA7, KEY_FORWARD, XF86XK_Forward},              // VK_BROWSER_FORWARD
    {0xA8, KEY_REFRESH, XF86XK_Refresh},              // VK_BROWSER_REFRESH
    {0xA9, KEY_STOP, XF86XK_Stop},                    // VK_BROWSER_STOP
    {0xAA, KEY_SEARCH, XF86XK_Search},                // VK_BROWSER_SEARCH
    {0xAB, KEY_BOOKMARKS, XF86XK_Favorites},          // VK_BROWSER_FAVORITES
    {0xAC, KEY_HOMEPAGE, XF86XK_HomePage},            // VK_BROWSER_HOME
    {0xAD, KEY_MUTE, XF86XK_AudioMute},               // VK_VOLUME_MUTE
    {0xAE, KEY_VOLUMEDOWN, XF86XK_AudioLowerVolume},  // VK_VOLUME_DOWN
    {0xAF, KEY_VOLUMEUP, XF86XK_AudioRaiseVolume},    // VK_VOLUME_UP
    {0xB0, KEY_NEXTSONG, XF86XK_AudioNext},           // VK_MEDIA_NEXT_TRACK
    {0xB1, KEY_PREVIOUSSONG, XF86XK_AudioPrev},       // VK_MEDIA_PREV_TRACK
    {0xB2, KEY_STOPCD, XF86XK_AudioStop},             // VK_MEDIA_STOP
    {0xB3, KEY_PLAYPAUSE, XF86XK_AudioPlay},          // VK_MEDIA_PLAY_PAUSE
    {0xB4, KEY_MAIL, XF86XK_Mail},                    // VK_LAUNCH_MAIL
    {0xB5, KEY_MEDIA, XF86XK_AudioMedia},             // VK_LAUNCH_MEDIA_SELECT
    {0xB6, KEY_COMPUTER, XF86XK_MyComputer},          // VK_LAUNCH_APP1
    {0xB7, KEY_CALC, XF86XK_Calculator},              // VK_LAUNCH_APP2
    {0xBA, KEY_SEMICOLON, XK_semicolon},              // VK_OEM_1
    {0xBB, KEY_EQUAL, XK_equal},                      // VK_OEM_PLUS
    {0xBC, KEY_COMMA, XK_comma},                      // VK_OEM_COMMA
    {0xBD, KEY_MINUS, XK_minus},                      // VK_OEM_MINUS
    {0xBE, KEY_DOT, XK_period},                       // VK_OEM_PERIOD
    {0xBF, KEY_SLASH, XK_slash},                      // VK_OEM_2
    {0xC0, KEY_GRAVE, XK_grave},                      // VK_OEM_3
    {0xDB, KEY_LEFTBRACE, XK_bracketleft},            // VK_OEM_4
    {0xDC, KEY_BACKSLASH, XK_backslash},              // VK_OEM_5
    {0xDD, KEY_RIGHTBRACE, XK_bracketright},          // VK_OEM_6
    {0xDE, KEY_APOSTROPHE, XK_apostrophe},            // VK_OEM_7
    {0xE2, KEY_102ND, XK_less},                       // VK_OEM_102
    {0xF6, 0, XK_3270_Attn},                          // VK_ATTN
    {0xF7, 0, XK_3270_CursorSelect},                  // VK_CRSEL
    {0xF8, 0, XK_3270_ExSelect},                      // VK_EXSEL
    {0xF9, 0, XK_3270_EraseEOF},                      // VK_EREOF
    {0xFA, KEY_PLAY, XF86XK_AudioPlay},               // VK_PLAY
    {0xFB, KEY_ZOOM, XF86XK_ZoomIn},                  // VK_ZOOM
    {0xFD, 0, XK_3270_PA1},                           // VK_PA1
};

constexpr size_t kVirtualKeyCount = 256;

std::array<const VirtualKeyMapping*, kVirtualKeyCount> buildIndex() {
    std::array<const VirtualKeyMapping*, kVirtualKeyCount> index{};
    for (const VirtualKeyMapping& entry : kTable) {
        index[entry.virtualKey] = &entry;
    }
    return index;
}

}  // namespace

const VirtualKeyMapping* VirtualKeyMapping::find(uint16_t virtualKey) {
    static const std::array<const VirtualKeyMapping*, kVirtualKeyCount> index = buildIndex();
    return virtualKey < kVirtualKeyCount ? index[virtualKey] : nullptr;
}

std::span<const VirtualKeyMapping> VirtualKeyMapping::all() {
    return kTable;
}
