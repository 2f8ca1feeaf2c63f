// The worker behind the generation dialog. Cancel closes the dialog at once; the worker stops at
// its next seed and goes away by itself, and the program waits for it only when it quits.
#include "app/generation_dialog.h"

#include "platform/app_identity.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <atomic>

namespace app {

struct GenerationDialog::Job {
    std::atomic<bool> cancelled{false};
    std::optional<kakuro::CodedPuzzle> result;
};

GenerationDialog::GenerationDialog(const QString &what, Work work, QWidget *parent)
    : QDialog(parent), job_(std::make_shared<Job>()), work_(std::move(work))
{
    setObjectName(QStringLiteral("diagGenerating"));
    setWindowTitle(tr("%1 - New Puzzle").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());
    auto *label = new QLabel(tr("Making the puzzle: %1").arg(what), this);
    auto *bar = new QProgressBar(this);
    bar->setRange(0, 0); // busy: the generator cannot say how far it is
    bar->setAccessibleName(tr("Making the puzzle"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(label);
    outer->addWidget(bar);
    outer->addLayout(buttons);
    setMinimumWidth(360);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

GenerationDialog::~GenerationDialog()
{
    job_->cancelled = true;
}

void GenerationDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!work_)
        return;
    Work work = std::move(work_);
    work_ = nullptr;
    std::shared_ptr<Job> job = job_;
    QThread *thread =
        QThread::create([job, work] { job->result = work([job] { return job->cancelled.load(); }); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this] {
        if (job_->cancelled)
            return;
        result_ = std::move(job_->result);
        accept();
    });
    // A worker still running when the program ends is waited for, so that none outlives it.
    connect(qApp, &QCoreApplication::aboutToQuit, thread, [job, thread] {
        job->cancelled = true;
        thread->wait();
    });
    thread->start();
}

} // namespace app
