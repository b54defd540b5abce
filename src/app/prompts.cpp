#include "prompts.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("TovrelUI");
} // namespace

QString MessageBoxPrompts::takeOverQuestion()
{
    return QStringLiteral("既に他のUIがQuorl zol engineを使用中です。\n強制的に切り替えますか？");
}

void MessageBoxPrompts::askTakeOver(std::function<void(bool takeOver)> answer)
{
    auto *box = new QMessageBox(QMessageBox::Question, kTitle, takeOverQuestion(),
                                QMessageBox::Yes | QMessageBox::No, m_parent);
    box->setObjectName(QStringLiteral("TakeOverQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, answer = std::move(answer)] {
        answer(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->show(); // modal for the whole application, yet without a loop of its own
}

void MessageBoxPrompts::askYesNo(const QString &question, std::function<void(bool yes)> answer)
{
    auto *box = new QMessageBox(QMessageBox::Question, kTitle, question,
                                QMessageBox::Yes | QMessageBox::No, m_parent);
    box->setObjectName(QStringLiteral("YesNoQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, answer = std::move(answer)] {
        answer(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->show(); // modal for the whole application, yet without a loop of its own
}

void MessageBoxPrompts::reportError(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Critical, kTitle, message, QMessageBox::Ok, m_parent);
    box->setObjectName(QStringLiteral("ErrorReport"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show(); // modal for the whole application, yet without a loop of its own
}
