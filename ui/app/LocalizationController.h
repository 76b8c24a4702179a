#pragma once

#include <QObject>

#include <memory>

class LocalizationManager;

// The language picker's view of the language manager. Its numbers are the picker's rows:
// 0 and 1 are headings, so each language is its manager number plus 2.
class LocalizationController : public QObject {
    Q_OBJECT

public:
    enum Languages {
        English = 2,
        French = 3,
        German = 4,
        Italian = 5,
        Japanese = 6,
        Dutch = 7,
        Portuguese = 8,
        Spanish = 9,
        Norwegian = 10,
        Swedish = 11,
        Finnish = 12,
        Danish = 13,
    };
    Q_ENUM(Languages)

    // On the application manager's language manager.
    explicit LocalizationController(QObject* parent = nullptr);
    explicit LocalizationController(std::shared_ptr<LocalizationManager> manager,
                                    QObject* parent = nullptr);

    Q_INVOKABLE int getLanguageIndex() const;
    // Any value that is not a language selects English.
    Q_INVOKABLE void selectLanguage(int lang);

private:
    std::shared_ptr<LocalizationManager> manager_;
};
