// Making a puzzle on a worker thread while the window stays free: a busy bar and Cancel. The
// dialog closes itself when the puzzle is made.
#pragma once

#include "generator/code_generation.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

namespace app {

class GenerationDialog : public QDialog {
    Q_OBJECT
public:
    // `work` runs on the worker and asks its argument now and then whether to stop.
    using Work = std::function<std::optional<kakuro::CodedPuzzle>(const std::function<bool()> &cancelled)>;

    // `what` says what is being made ("A 12x12 Hard puzzle").
    GenerationDialog(const QString &what, Work work, QWidget *parent);
    ~GenerationDialog() override;

    // The puzzle made; nothing when none came or the player cancelled.
    const std::optional<kakuro::CodedPuzzle> &made() const { return result_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Job;
    std::shared_ptr<Job> job_;
    Work work_;
    std::optional<kakuro::CodedPuzzle> result_;
};

} // namespace app
