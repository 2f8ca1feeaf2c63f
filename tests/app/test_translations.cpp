// The program in each of its languages: which language a player gets, the translation files
// against the texts in the sources, and every window and dialog as it shows each language: no
// accelerator used twice, no text cut off.
#include "app/score_dialogs.h"
#include "help/help_dialogs.h"
#include "platform/language.h"
#include "support/window_harness.h"
#include "view/combination_window.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>

namespace {

// A translation's shape, read from the escaped text of a .ts file: its placeholders (%1, %n,
// %L1...) and whether it marks an accelerator.
QString shapeOf(const QString &escaped)
{
    QStringList shape{escaped.contains(QRegularExpression("&amp;[^&\\s]")) ? "&" : ""};
    for (const QRegularExpressionMatch &m : QRegularExpression("%L?(\\d+|n)").globalMatch(escaped))
        shape << m.captured();
    shape.sort();
    return shape.join(' ');
}

// What is wrong with a .ts file once lupdate has brought a copy up to date with the sources: a
// translation (or a numerus form of one) whose shape differs from its source's, and, for a
// `complete` language, a text left untranslated.
QStringList translationFaults(const QString &tsFile, const QString &copy, bool complete)
{
    QProcess lupdate;
    QFile file(copy);
    if (QFile::copy(tsFile, copy))
        lupdate.start(KORVEL_LUPDATE,
                      QString(KORVEL_LUPDATE_OPTIONS).split(' ') +
                          QStringList{"-silent", "-I", KORVEL_SOURCE_DIR, KORVEL_SOURCE_DIR, "-ts", copy});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0 || !file.open(QIODevice::ReadOnly))
        return {"lupdate failed on a copy of " + tsFile};
    static const QRegularExpression message(
        "<source>(.*?)</source>.*?<translation( type=\"(\\w+)\")?>(.*?)</translation>",
        QRegularExpression::DotMatchesEverythingOption);
    QStringList faults;
    for (const QRegularExpressionMatch &m : message.globalMatch(QString::fromUtf8(file.readAll()))) {
        if (m.captured(3) == "unfinished" && complete)
            faults << "unfinished: " + m.captured(1);
        for (const QString &form :
             m.captured(4).split(QRegularExpression("\\s*</?numerusform>\\s*"), Qt::SkipEmptyParts))
            if (m.captured(3).isEmpty() && shapeOf(form) != shapeOf(m.captured(1)))
                faults << "'" + form + "' for '" + m.captured(1) + "'";
    }
    return faults;
}

// Accelerators used twice among the texts of one menu or dialog.
QStringList repeatedAccelerators(const QString &where, const QStringList &texts)
{
    QStringList faults, keys;
    for (const QString &text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty() && keys.contains(key))
            faults << where + ": " + key + " twice";
        keys << key;
    }
    return faults;
}

// The labels and buttons (check boxes included) of `surface`, shown, whose text needs more room
// than they have (a wrapping label: more height at its width); accelerators used twice among
// them, and in each of its menus.
QStringList surfaceFaults(QWidget &surface)
{
    surface.show();
    QCoreApplication::processEvents();
    QStringList faults, texts;
    for (QWidget *w : surface.findChildren<QWidget *>()) {
        if (qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w)) {
            QStringList entries;
            for (const QAction *a : w->actions())
                entries << a->text();
            faults << repeatedAccelerators(w->objectName(), entries);
        }
        if (const auto *header = qobject_cast<QHeaderView *>(w); header && header->isVisibleTo(&surface)) {
            for (int k = 0; k < header->count(); ++k) {
                const QString title = header->model()->headerData(k, header->orientation()).toString();
                if (header->fontMetrics().horizontalAdvance(title) > header->sectionSize(k))
                    faults << surface.objectName() + ": header '" + title + "' does not fit";
            }
        }
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !w->isVisibleTo(&surface))
            continue;
        if (button || label->buddy()) // the controls that take an accelerator
            texts << text;
        const QSize need =
            label && label->wordWrap() ? QSize(w->width(), w->heightForWidth(w->width())) : w->sizeHint();
        if (need.width() > w->width() || need.height() > w->height())
            faults << surface.objectName() + ": '" + text + "' does not fit";
    }
    return faults + repeatedAccelerators(surface.objectName(), texts);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { platform::useLanguage("en"); }

    // The first of the player's languages that the game speaks, English counting as one.
    void languageChoice()
    {
        QCOMPARE(platform::chooseLanguage({"es-ES", "fr-CA"}), "fr");
        QCOMPARE(platform::chooseLanguage({"en-GB", "de-DE"}), "en");
        QCOMPARE(platform::chooseLanguage({"ja-JP", "C"}), "en");
    }

    // Each translation file against the texts in the sources now, a text added since included.
    void translationFiles()
    {
        for (const QString &language : platform::translatedLanguages()) {
            QTemporaryDir dir;
            const QStringList faults = translationFaults(
                QStringLiteral(KORVEL_TRANSLATIONS_DIR "/korvel_%1.ts").arg(language),
                dir.filePath("copy.ts"), QString(KORVEL_COMPLETE_LANGUAGES).split(' ').contains(language));
            QVERIFY2(faults.isEmpty(), qPrintable(language + ": " + faults.join('\n')));
        }
    }

    // The main window (paused, so that its cover shows) with its menus (with the Common keys'
    // accelerators) and the toolbar within its
    // width, the combinations window and every dialog, in each language.
    void screens()
    {
        for (const QString &language : QStringList{"en"} + platform::translatedLanguages()) {
            QVERIFY(platform::useLanguage(language));
            WindowHarness w(numberedBook(1000), 1000);
            w.settings.recordBestTime(1000, 312, "Ann", 2);
            QStringList faults;
            w.onDialog = [&](QDialog &dialog) { faults << surfaceFaults(dialog); };
            for (const char *opens : {"MNU_KEYS_COMMON", "MNU_ABT", "MNU_STATS", "MNU_PRN", "MNU_CHOOSE",
                                      "MNU_NEW", "MNU_OPEN_CODE", "MNU_ENTER", "MNU_COMBOS", "MNU_PAUSE"})
                w.act(opens)->trigger();
            QCOMPARE(w.dialogs, QStringList({"frmAbt", "diagStats", "frmPrinterDialog", "diagChoosePuzzle",
                                             "diagNewPuzzle", "diagPuzzleCode", "diagEnterPuzzle"}));
            w.window->combinationWindow()->showCell(2, 2);
            if (const int need = w.find<QToolBar>("tb")->sizeHint().width(); need > w.window->width())
                faults << QStringLiteral("the toolbar needs %1 px").arg(need);
            app::ScoreDialog score(w.game, w.settings, w.window.get());
            help::WelcomeDialog welcome(w.dir.path());
            faults << surfaceFaults(*w.window) << surfaceFaults(score) << surfaceFaults(welcome);
            QVERIFY2(faults.isEmpty(), qPrintable(language + ": " + faults.join('\n')));
            QVERIFY2(w.window->windowTitle().contains("1000"),
                     qPrintable(w.window->windowTitle())); // not "1.000"
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
