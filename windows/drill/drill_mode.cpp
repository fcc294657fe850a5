#include "windows/drill/drill_mode.h"

#include "ui/heard_choice.h"

#include <QComboBox>

QComboBox* makeModeSwitch(QWidget* parent)
{
    auto* mode = new QComboBox(parent);
    mode->setObjectName(QStringLiteral("mode"));
    mode->setAccessibleName(QStringLiteral("問題の種類"));
    mode->addItem(QStringLiteral("完成形"));
    mode->addItem(QStringLiteral("2確目"));
    mode->setItemData(0, QStringLiteral("３リールの止まった出目の意味を答える"), Qt::ToolTipRole);
    mode->setItemData(1, QStringLiteral("２リール止まった時点で分かることを答える"), Qt::ToolTipRole);
    ui::hearValueOf(mode);
    return mode;
}

QString keysHint(DrillMode mode)
{
    return mode == DrillMode::Pairs ? QStringLiteral("1～5 で答える　Enter・Space で次へ")
                                    : QStringLiteral("1～8 で答える　Enter・Space で次へ");
}

QString mapTitle(DrillMode mode)
{
    return mode == DrillMode::Pairs ? QStringLiteral("2確目の覚え具合（左リールの位置ごと）")
                                    : QStringLiteral("覚え具合（左リールの位置ごと）");
}
