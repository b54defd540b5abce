#include "prompts.h"

#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("TovrelUI");

// Modal for the whole application, yet shown without a loop of its own.
QMessageBox *openBox(QMessageBox::Icon icon, const QString &text,
                     QMessageBox::StandardButtons buttons, const char *name, QWidget *parent)
{
    auto *box = new QMessageBox(icon, kTitle, text, buttons, parent);
    box->setObjectName(QString::fromLatin1(name));
    // The text may hold what the engine sent (a QTag, a file name): read as markup it could
    // make the box load local files.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return box;
}

void askYesOrNo(const QString &question, const char *name, QWidget *parent,
                std::function<void(bool yes)> answer)
{
    QMessageBox *box =
        openBox(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No, name, parent);
    QObject::connect(box, &QMessageBox::finished, box, [box, answer = std::move(answer)] {
        answer(box->clickedButton() == box->button(QMessageBox::Yes));
    });
}

} // namespace

QString MessageBoxPrompts::takeOverQuestion()
{
    return QStringLiteral("既に他のUIがQuorl zol engineを使用中です。\n強制的に切り替えますか？");
}

void MessageBoxPrompts::askTakeOver(std::function<void(bool takeOver)> answer)
{
    askYesOrNo(takeOverQuestion(), "TakeOverQuestion", m_parent, std::move(answer));
}

void MessageBoxPrompts::askYesNo(const QString &question, std::function<void(bool yes)> answer)
{
    askYesOrNo(question, "YesNoQuestion", m_parent, std::move(answer));
}

void MessageBoxPrompts::reportError(const QString &message)
{
    openBox(QMessageBox::Critical, message, QMessageBox::Ok, "ErrorReport", m_parent);
}
