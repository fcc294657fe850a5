#include "drill/drill_window.h"

#include "core/drill/pattern_pool.h"
#include "drill/answer_button.h"
#include "drill/group_bars.h"
#include "drill/group_text.h"
#include "drill/pattern_view.h"
#include "drill/verdict_text.h"
#include "info_windows/program_icon.h"
#include "ui/fonts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr int kButtonsPerRow = 4;

const QColor kRightFace(0xDC, 0xF5, 0xDC);
const QColor kWrongFace(0xFD, 0xE0, 0xE0);

void paintFace(QWidget* widget, QPalette::ColorRole role, const QColor& face)
{
    QPalette palette = widget->palette();
    palette.setColor(role, face);
    widget->setPalette(palette);
}

}  // namespace

DrillWindow::DrillWindow(std::array<QImage, 3> strips, ProgressFile progress, std::uint64_t seed)
    : QWidget(nullptr, Qt::Window), drill_(seed), progress_(std::move(progress))
{
    setObjectName(QStringLiteral("Drill"));
    setWindowTitle(QStringLiteral("リーチ目ドリル"));
    setWindowIcon(programIcon());
    setFont(ui::designFont(ui::regular(12)));
    buildControls(std::move(strips));
    restoreProgress();
    showScore();
    showQuestion();
}

DrillWindow::~DrillWindow() = default;

void DrillWindow::buildControls(std::array<QImage, 3> strips)
{
    pattern_ = new PatternView(std::move(strips), this);
    pattern_->setObjectName(QStringLiteral("pattern"));

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setAccessibleName(QStringLiteral("判定"));
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    verdict_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    verdict_->setMargin(8);
    verdict_->setAutoFillBackground(true);
    verdict_->setFont(ui::designFont(ui::bold(14.25)));
    verdict_->setMinimumWidth(300);

    auto* answers = new QGridLayout;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group) {
        auto* button = new AnswerButton(group, this);
        const int index = static_cast<int>(group);
        connect(button, &QPushButton::clicked, this, [this, index] { answer(index); });
        answers->addWidget(button, index / kButtonsPerRow, index % kButtonsPerRow);
        answers_.push_back(button);
    }

    leftFilter_ = new QComboBox(this);
    leftFilter_->setObjectName(QStringLiteral("leftFilter"));
    leftFilter_->setAccessibleName(QStringLiteral("左リールの位置"));
    leftFilter_->addItem(QStringLiteral("全部"));
    for (int left = 1; left <= Pattern::kPositions; ++left)
        leftFilter_->addItem(QString::number(left));
    connect(leftFilter_, &QComboBox::currentIndexChanged, this, &DrillWindow::chooseLeftFilter);
    auto* filterCaption = new QLabel(QStringLiteral("左リール"), this);
    filterCaption->setBuddy(leftFilter_);

    auto* hint = new QLabel(QStringLiteral("1～8 で答える　Enter・Space で次へ"), this);
    paintFace(hint, QPalette::WindowText, palette().color(QPalette::Dark));

    next_ = new QPushButton(QStringLiteral("次へ"), this);
    next_->setObjectName(QStringLiteral("next"));
    next_->setAccessibleName(QStringLiteral("次の目へ"));
    next_->setAutoDefault(true);  // Enter goes on while it has the focus
    next_->setFont(ui::designFont(ui::bold(12)));
    next_->setMinimumWidth(120);
    connect(next_, &QPushButton::clicked, this, &DrillWindow::goOn);

    reset_ = new QPushButton(QStringLiteral("成績を消す…"), this);
    reset_->setObjectName(QStringLiteral("reset"));
    reset_->setAccessibleName(QStringLiteral("成績を消して最初から"));
    connect(reset_, &QPushButton::clicked, this, &DrillWindow::confirmReset);

    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("score"));
    score_->setAccessibleName(QStringLiteral("成績"));
    score_->setTextFormat(Qt::PlainText);
    score_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    score_->setFont(ui::designFont(ui::bold(12)));

    bars_ = new GroupBars(this);
    bars_->setObjectName(QStringLiteral("groupBars"));

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("progressNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->hide();

    auto* question = new QHBoxLayout;
    question->addWidget(pattern_, 0, Qt::AlignTop);
    question->addWidget(verdict_, 1);

    auto* controls = new QHBoxLayout;
    controls->addWidget(filterCaption);
    controls->addWidget(leftFilter_);
    controls->addSpacing(16);
    controls->addWidget(hint, 1);
    controls->addWidget(next_);

    auto* results = new QGroupBox(QStringLiteral("成績"), this);
    auto* resultsLayout = new QHBoxLayout(results);
    auto* scoreColumn = new QVBoxLayout;
    scoreColumn->addWidget(score_);
    scoreColumn->addStretch(1);
    scoreColumn->addWidget(reset_);
    resultsLayout->addLayout(scoreColumn);
    resultsLayout->addSpacing(24);
    resultsLayout->addWidget(bars_, 1);

    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(question);
    window->addLayout(answers);
    window->addLayout(controls);
    window->addWidget(results);
    window->addWidget(note_);

    setTabOrder(answers_.back(), next_);
    setTabOrder(next_, leftFilter_);
    setTabOrder(leftFilter_, reset_);
}

void DrillWindow::restoreProgress()
{
    const ProgressFile::Loaded loaded = progress_.load();
    if (loaded.found == ProgressFile::Found::SetAside)
        note(QStringLiteral("保存してあった成績が読めないので、最初から始めます（元のファイルは %1.bad に残しました）。")
                 .arg(progress_.path()));
    drill_.restore(loaded.progress.score, loaded.progress.reviews);
}

void DrillWindow::open()
{
    show();
    raise();
    activateWindow();
}

void DrillWindow::keyPressEvent(QKeyEvent* event)
{
    const int group = event->key() - Qt::Key_1;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && group >= 0 && group < static_cast<int>(answers_.size()) && !drill_.isAnswered() &&
        !leftFilter_->hasFocus()) {
        answer(group);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrillWindow::showQuestion()
{
    pattern_->setPattern(drill_.current());
    verdict_->clear();
    paintFace(verdict_, QPalette::Window, palette().color(QPalette::Base));
    for (QPushButton* button : answers_)
        button->setEnabled(true);
    // The keys answer from anywhere but the filter, where the focus may stay.
    if (next_->hasFocus() || focusWidget() == nullptr)
        setFocus(Qt::OtherFocusReason);
    next_->setEnabled(false);
}

void DrillWindow::answer(int group)
{
    if (drill_.isAnswered())
        return;
    const Verdict verdict = drill_.answer(group);
    verdict_->setText(verdictText(verdict, drill_.current()));
    paintFace(verdict_, QPalette::Window, verdict.right ? kRightFace : kWrongFace);
    next_->setEnabled(true);
    next_->setFocus(Qt::OtherFocusReason);
    for (QPushButton* button : answers_)
        button->setEnabled(false);
    showScore();
    save();
}

void DrillWindow::goOn()
{
    drill_.next();
    showQuestion();
}

void DrillWindow::chooseLeftFilter(int index)
{
    const Pattern before = drill_.current();
    drill_.setLeftFilter(index == 0 ? PatternPool::kEveryLeft : index);
    if (!(drill_.current() == before))
        showQuestion();
}

void DrillWindow::showScore()
{
    const Score& score = drill_.score();
    QString text = QStringLiteral("正解 %1 / %2 問").arg(score.total.right).arg(score.total.answered);
    if (score.total.answered > 0)
        text += QStringLiteral("（%1%）").arg(100 * score.total.right / score.total.answered);
    text += QStringLiteral("\n連続正解 %1").arg(score.streak);
    score_->setText(text);
    bars_->setScore(score);
}

void DrillWindow::save()
{
    if (progress_.save({drill_.score(), drill_.reviews()}) || saidUnsaved_)
        return;
    saidUnsaved_ = true;
    std::fprintf(stderr, "kareto: drill progress cannot be saved to %s\n", qPrintable(progress_.path()));
    note(QStringLiteral("成績を保存できません。ドリルはこのまま続けられますが、次に開いたときには残っていません。"));
}

void DrillWindow::confirmReset()
{
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                                QStringLiteral("成績と、もう一度出す目をすべて消して、最初からやり直しますか？"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("resetConfirmation"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box] {
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            resetProgress();
    });
    box->open();
}

void DrillWindow::resetProgress()
{
    if (!progress_.remove())
        note(QStringLiteral("保存してある成績を消せませんでした（%1）。").arg(progress_.path()));
    drill_.reset();
    showScore();
    showQuestion();
}

void DrillWindow::note(const QString& line)
{
    note_->setText(line);
    note_->setVisible(!line.isEmpty());
}
