.pragma library

// Alert records of the About page's dialogues: questions, messages and progress.

function button(text, action) {
    return {
        "txt": text,
        "callbackFunc": action
    }
}

function alert(type, title, buttons) {
    return {
        "alertType": type,
        "alertTitle": title,
        "alertButtons": buttons
    }
}
