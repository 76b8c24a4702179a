pragma Singleton
import QtQml
import QuickFlux 1.1
import "qrc:/Ui/Actions"

// The one way the documents make their alerts: the records the alert container shows (a
// type, a title, buttons, and whichever other fields an alert needs) and the actions that
// show, retitle and close them.
QtObject {
    // A button that runs action when pressed; a text input alert gives it the typed text.
    function button(text, action) {
        return {
            "txt": text,
            "callbackFunc": action
        }
    }

    // A button whose press closes its alert; a cancel button is pressed by Escape too.
    function closeButton(text, cancel) {
        var record = {
            "txt": text,
            "predefinedAction": "close"
        }
        if (cancel)
            record.onCancel = true
        return record
    }

    // An alert of type with its title and buttons; fields adds the record's other fields
    // (z, alertInputText, alertCloseCallback, ...).
    function record(type, title, buttons, fields) {
        var result = {
            "alertType": type,
            "alertTitle": title,
            "alertButtons": buttons
        }
        for (var key in fields)
            result[key] = fields[key]
        return result
    }

    function show(record) {
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": record
                               })
    }

    // The alert in show, or with its record that alert, shown or still waiting.
    function close(record) {
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox, record === undefined ? undefined : {
                                                                                               "alertBoxDetails": record
                                                                                           })
    }

    // Tells the container that the record's title changed.
    function update(record) {
        AppDispatcher.dispatch(UiActionsTypes.updateAlertBox, {
                                   "alertBoxDetails": record
                               })
    }

    // A message that its one button closes. A z above that of the question it answers shows
    // it over that question, which stays open beneath with what was typed.
    function notice(title, buttonText, z) {
        show(record(UiActionsTypes.alertBoxTypeNormal, title, [closeButton(buttonText)], {
                        "z": z || 0
                    }))
    }
}
