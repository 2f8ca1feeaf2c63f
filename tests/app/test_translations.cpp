// The program in each of its languages: which language a player gets, the translation files
// against the texts in the sources, and every window and dialog as it shows each language: no
// accelerator used twice, no text cut off.
#include "game/score_dialogs.h"
#include "platform/language.h"
#include "shell/shell_dialogs.h"
#include "store/score.h"
#include "support/window_harness.h"
#include "view/combination_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>

namespace {

// The placeholders of a text (%1, %n, %L1...), sorted, and its accelerator key if it has one.
QString shapeOf(QString text)
{
    const char *const entities[][2] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto &entity : entities)
        text.replace(entity[0], entity[1]);
    QStringList shape{QKeySequence::mnemonic(text).isEmpty() ? "" : "&"};
    for (const QRegularExpressionMatch &m : QRegularExpression("%L?(\\d+|n)").globalMatch(text))
        shape << m.captured();
    shape.sort();
    return shape.join(' ');
}

// What is wrong with a .ts file once lupdate has brought a copy up to date with the sources: a
// translation whose placeholders or accelerator differ from its source's, and, for a `complete`
// language, a text left untranslated.
QStringList translationFaults(const QString &tsFile, const QString &copy, bool complete)
{
    if (!QFile::copy(tsFile, copy))
        return {"cannot copy " + tsFile};
    QProcess lupdate;
    lupdate.start(KORVEL_LUPDATE,
                  QString(KORVEL_LUPDATE_OPTIONS).split(' ') +
                      QStringList{"-silent", "-I", KORVEL_SOURCE_DIR, KORVEL_SOURCE_DIR, "-ts", copy});
    QFile file(copy);
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0 || !file.open(QIODevice::ReadOnly))
        return {"lupdate failed: " + lupdate.readAllStandardError()};
    static const QRegularExpression message(
        "<source>(.*?)</source>.*?<translation( type=\"(\\w+)\")?>(.*?)</translation>",
        QRegularExpression::DotMatchesEverythingOption);
    QStringList faults;
    for (const QRegularExpressionMatch &m : message.globalMatch(QString::fromUtf8(file.readAll()))) {
        if (m.captured(3) == "unfinished" && complete)
            faults << "unfinished: " + m.captured(1);
        // A plain translation, or each of its numerus forms.
        for (const QString &form :
             m.captured(4).split(QRegularExpression("\\s*</?numerusform>\\s*"), Qt::SkipEmptyParts))
            if (m.captured(3).isEmpty() && shapeOf(form) != shapeOf(m.captured(1)))
                faults << QStringLiteral("'%1' for '%2'").arg(form, m.captured(1));
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
            faults << QStringLiteral("%1: %2 twice, '%3' the second").arg(where, key, text);
        keys << key;
    }
    return faults;
}

// The labels and buttons (check boxes included) of `surface` whose text needs more room than they
// have (a wrapping label: more height at its width); accelerators used twice among them.
QStringList surfaceFaults(QWidget &surface)
{
    surface.show();
    QCoreApplication::processEvents();
    QStringList faults, texts;
    for (QWidget *w : surface.findChildren<QWidget *>()) {
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
            faults << QStringLiteral("%1: '%2' needs %3x%4, has %5x%6")
                          .arg(surface.objectName(), text.left(40))
                          .arg(need.width())
                          .arg(need.height())
                          .arg(w->width())
                          .arg(w->height());
    }
    return faults + repeatedAccelerators(surface.objectName(), texts);
}

QStringList textsOf(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *a : actions)
        texts << a->text();
    return texts;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { platform::useLanguage("en"); }

    // The first of the player's languages that the game speaks, English counting as one.
    void languageChoice_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("French of a region, after one not spoken") << QStringList{"es-ES", "fr-CA"} << "fr";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("none spoken") << QStringList{"ja-JP", "C"} << "en";
    }
    void languageChoice()
    {
        QFETCH(QStringList, preferred);
        QTEST(platform::chooseLanguage(preferred), "chosen");
    }

    // Each translation file against the texts in the sources now, a text added since included.
    void translationFiles_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : platform::translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void translationFiles()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        const QStringList faults = translationFaults(
            QStringLiteral(KORVEL_TRANSLATIONS_DIR "/korvel_%1.ts").arg(language), dir.filePath("copy.ts"),
            QString(KORVEL_COMPLETE_LANGUAGES).split(' ').contains(language));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The main window (paused, so that its cover shows) with its menus and the toolbar within its
    // width, the combinations window and every dialog, in each language.
    void screens_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList{"en"} + platform::translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void screens()
    {
        QFETCH(QString, language);
        QVERIFY(platform::useLanguage(language));
        WindowHarness w(numberedBook(1000), 1000);
        store::insertTime(w.settings, 1000, 312, "Ann", 2);
        QStringList faults;
        w.onDialog = [&](QDialog &dialog) { faults << surfaceFaults(dialog); };
        for (const char *opens : {"MNU_ABT", "MNU_STATS", "MNU_PRN", "MNU_CHOOSE", "MNU_COMBOS", "MNU_PAUSE"})
            w.act(opens)->trigger();
        QCOMPARE(w.dialogs, QStringList({"frmAbt", "diagStats", "frmPrinterDialog", "diagChoosePuzzle"}));
        w.window->combinationWindow()->showCell(2, 2);
        for (const QMenu *menu : w.window->findChildren<QMenu *>())
            faults << repeatedAccelerators(menu->objectName(), textsOf(menu->actions()));
        faults << repeatedAccelerators("menu bar", textsOf(w.window->menuBar()->actions()));
        if (const int need = w.find<QToolBar>("tb")->sizeHint().width(); need > w.window->width())
            faults << QStringLiteral("the toolbar needs %1 px").arg(need);
        game::ScoreDialog score(w.game, w.settings, w.window.get());
        shell::WelcomeDialog welcome(w.dir.path());
        faults << surfaceFaults(*w.window) << surfaceFaults(score) << surfaceFaults(welcome);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(w.window->windowTitle().contains("1000"),
                 qPrintable(w.window->windowTitle())); // never "1.000"
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
