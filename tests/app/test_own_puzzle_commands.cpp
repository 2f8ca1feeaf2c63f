// New Puzzle, Open Puzzle Code and Enter Puzzle on the real window and dialogs: a puzzle made on
// the worker joins My Puzzles and opens, its code names it again, a mistyped code is asked again,
// and a puzzle typed into the editor is saved only once the solver finds it unique.
#include "app/editor_board.h"
#include "app/puzzle_editor_dialog.h"
#include "support/window_harness.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

void click(QDialog &d, const char *button)
{
    QTest::mouseClick(d.findChild<QPushButton *>(button), Qt::LeftButton);
}

// Waits for the worker behind a generation dialog to close it.
bool waitForGeneration(QDialog &d)
{
    d.show();
    return QTest::qWaitFor([&] { return !d.isVisible(); }, 20000) && d.result() == QDialog::Accepted;
}

} // namespace

class TestOwnPuzzleCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A new puzzle of the size and difficulty asked joins My Puzzles and opens; its code is shown
    // with the statistics and copied from there.
    void newPuzzleAndItsCode()
    {
        WindowHarness w(numberedBook(2));
        QString code;
        QStringList codes = {"1440-0001-8PQ"}; // typed into the code dialog, one per opening
        w.onDialog = [&](QDialog &d) {
            if (d.objectName() == "diagNewPuzzle") {
                d.findChild<QSpinBox *>("txtWidth")->setValue(8);
                d.findChild<QSpinBox *>("txtHeight")->setValue(6);
                auto *band = d.findChild<QComboBox *>("cmbDifficulty");
                band->setCurrentIndex(band->findText("Hard"));
                click(d, "cmdOK");
            } else if (d.objectName() == "diagGenerating") {
                QVERIFY(waitForGeneration(d));
            } else if (d.objectName() == "diagStats") {
                d.show();
                code = d.findChild<QLabel *>("lblCode")->text().section(": ", 1);
                click(d, "cmdCopyCode");
            } else if (d.objectName() == "diagPuzzleCode" && !codes.isEmpty()) {
                d.findChild<QLineEdit *>("txtCode")->setText(codes.takeFirst());
                click(d, "cmdOK");
            }
        };
        w.act("MNU_NEW")->trigger();
        QVERIFY(w.game.playingOwn());
        QCOMPARE(w.own.count(), 1);
        QCOMPARE(w.game.puzzle().width() * 100 + w.game.puzzle().height(), 806);
        w.act("MNU_STATS")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
        QCOMPARE(code.size(), 13);

        // The code of a puzzle already there opens it again; a mistyped one is told and asked again.
        w.game.openPuzzle(2);
        codes << code;
        w.dialogs.clear();
        w.act("MNU_OPEN_CODE")->trigger();
        QCOMPARE(w.dialogs, QStringList({"diagPuzzleCode", "diagPuzzleCode"}));
        QCOMPARE(w.messages.last(),
                 "Korvel|This puzzle code has a mistake: a character is typed wrong, or one is "
                 "missing or one too many. Please check it.");
        QVERIFY(w.game.playingOwn() && w.game.ownPuzzleNumber() == 1);
        QCOMPARE(w.own.count(), 1);
    }

    // A 3x3 grid from paper, typed in with the keys and the sum boxes: saved only once unique.
    void enterPuzzleFromPaper()
    {
        WindowHarness w(numberedBook(2));
        bool saveWasOff = false;
        w.onDialog = [&](QDialog &dialog) {
            auto &d = static_cast<app::PuzzleEditorDialog &>(dialog);
            d.show();
            d.findChild<QSpinBox *>("txtWidth")->setValue(3);
            d.findChild<QSpinBox *>("txtHeight")->setValue(3);
            click(d, "cmdNewGrid");
            auto *board = d.findChild<app::EditorBoard *>("pbEditor");
            auto *status = d.findChild<QLabel *>("lblStatus");
            const auto sum = [&](int col, int row, const char *box, const char *value) {
                board->select(col, row);
                auto *edit = d.findChild<QLineEdit *>(box);
                edit->setText(value);
                QTest::keyClick(edit, Qt::Key_Return);
            };
            sum(1, 2, "txtAcross", "3");
            sum(1, 3, "txtAcross", "3");
            sum(2, 1, "txtDown", "3");
            sum(3, 1, "txtDown", "3");
            QTRY_COMPARE(status->text(), "More than one solution");
            saveWasOff = !d.findChild<QPushButton *>("cmdSave")->isEnabled();
            sum(1, 3, "txtAcross", "18"); // too much for two cells: refused, said why
            QCOMPARE(d.findChild<QLabel *>("lblSumProblem")->text(),
                     "A run of 2 cells can only add up to 3 to 17.");
            sum(1, 3, "txtAcross", "7");
            sum(2, 1, "txtDown", "4");
            sum(3, 1, "txtDown", "6");
            QTRY_VERIFY(status->text().startsWith("Unique: "));
            click(d, "cmdSave");
        };
        w.act("MNU_ENTER")->trigger();
        QVERIFY(saveWasOff);
        QVERIFY(w.game.playingOwn());
        QCOMPARE(w.game.puzzle().width() * 10 + w.game.puzzle().height(), 22); // clues drawn outside
        QCOMPARE(w.game.puzzle().solution(), std::vector<std::uint8_t>({1, 2, 3, 4}));
    }

    // Closing the editor with changes offers to keep them as a draft, which is offered back the
    // next time and read as it was left.
    void draftIsOfferedBack()
    {
        WindowHarness w(numberedBook(1));
        int round = 0;
        QString kept;
        w.onDialog = [&](QDialog &dialog) {
            auto &d = static_cast<app::PuzzleEditorDialog &>(dialog);
            if (++round == 1) {
                d.findChild<QCheckBox *>("chkSymmetry")->setChecked(false);
                d.toggleCell(5, 5);
                click(d, "cmdClose"); // asks, and Yes keeps the draft
            } else {
                const game::EditorGrid &grid = d.editor().grid();
                kept = QString("%1 %2").arg(grid.at(5, 5).block).arg(grid.at(6, 6).block);
            }
        };
        w.act("MNU_ENTER")->trigger();
        w.act("MNU_ENTER")->trigger();
        QCOMPARE(w.messages, QStringList({"Korvel - Alert|Keep the unfinished puzzle as a draft?",
                                          "Korvel - Alert|Continue the puzzle you kept as a draft?"}));
        QCOMPARE(kept, "1 0"); // the block toggled, and not its partner: symmetry was off
    }
};

QTEST_MAIN(TestOwnPuzzleCommands)
#include "test_own_puzzle_commands.moc"
