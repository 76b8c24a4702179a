.pragma library

// The kinds of the Mouse & System Controls pane, in radio order, with their options and
// the real action (ButtonController.RealActionEnum) each option stands for.
function kinds(strings, real) {
    return [{
            "label": strings.scrollText,
            "description": strings.scrollDescText,
            "options": [[strings.upText, real.ScrollUp], [strings.downText, real.ScrollDown], [strings.leftText, real.ScrollLeft], [strings.rightText, real.ScrollRight]]
        }, {
            "label": strings.mouseClickText,
            "description": strings.mouseClickDescText,
            "options": [[strings.oneText, real.LeftClick], [strings.doubleText, real.LeftDoubleClick], [strings.tripleText, real.LeftTripleClick], [strings.lockText, real.ClickLock], [strings.rightText, real.RightClick]]
        }, {
            "label": strings.volumeText,
            "description": strings.volumeDescText,
            "options": [[strings.upText, real.VolumeUp], [strings.downText, real.VolumeDown], [strings.muteText, real.Mute]]
        }, {
            "label": strings.brightnessText,
            "description": strings.brightnessDescText,
            "options": [[strings.upText, real.BrightnessUp], [strings.downText, real.BrightnessDown]]
        }]
}
