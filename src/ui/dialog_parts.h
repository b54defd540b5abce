#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The small parts the secondary windows are made of.

// A bold title; plain text, never read as markup.
QLabel *BoldLabel(const QString &text, QWidget *parent);
// Makes a label that shows what the engine sent plain text, never read as markup, and never wider
// than its window gives it: a 64 KB QTag would otherwise widen the window to match.
void ShowsEngineText(QLabel *label);
// A button by its component name.
QPushButton *NamedButton(const char *name, const QString &caption, QWidget *parent);
// The buttons at the bottom right: the one that cancels, then the one that confirms.
QHBoxLayout *ButtonRow(QPushButton *cancel, QPushButton *confirm);
