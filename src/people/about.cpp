#include "about.h"

#include "action_table.h"
#include "page_opener.h"
#include "pictures.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrlQuery>

namespace {

QLabel *placed(const QString &text, const char *name, QPoint at, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QString buildText()
{
#ifdef NDEBUG
    return QStringLiteral("Release build.");
#else
    return QStringLiteral("Debug build.");
#endif
}

} // namespace

QUrl OperatorPage(const QString &query)
{
    QUrl page = kOperatorSite;
    if (!query.isEmpty())
        page.setQuery(query);
    return page;
}

QPixmap AboutPicture(qreal devicePixelRatio)
{
    const QSize size(240, 136);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // An evening over hills, with two players' consoles linked through the engine ring.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(24, 40, 92));
    sky.setColorAt(0.65, QColor(230, 120, 70));
    sky.setColorAt(1, QColor(250, 200, 120));
    p.fillRect(QRect(QPoint(), size), sky);
    QPainterPath hills(QPointF(0, 110));
    hills.cubicTo(QPointF(50, 80), QPointF(90, 120), QPointF(140, 96));
    hills.cubicTo(QPointF(180, 78), QPointF(215, 104), QPointF(240, 92));
    hills.lineTo(240, 136);
    hills.lineTo(0, 136);
    p.fillPath(hills, QColor(36, 60, 44));
    p.setPen(QPen(QColor(255, 255, 255, 180), 2, Qt::DashLine));
    p.drawLine(QPointF(62, 84), QPointF(178, 84));
    for (const qreal x : {34.0, 170.0}) {
        p.save();
        p.translate(x, 64);
        p.scale(2.2, 2.2);
        Picture::monitor(p, QRectF(0, 0, 16, 16));
        p.restore();
    }
    p.save();
    p.translate(100, 52);
    p.scale(2.5, 2.5);
    Picture::engineRing(p, QRectF(0, 0, 16, 16), 5);
    p.restore();
    return pixmap;
}

TAboutForm::TAboutForm(const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow(
          {.name = "AboutForm", .caption = QStringLiteral("About"), .background = Qt::white}, guard,
          owner, Qt::MSWindowsFixedSizeDialogHint)
{
    // Fixed places, as the window was laid out; it cannot be resized.
    setFixedSize(363, 255);
    QWidget *panel = new QWidget(this);
    panel->setGeometry(0, 0, 363, 255);
    Label2 = placed(QStringLiteral("OriginalZolUI TestProgram"), "Label2", {8, 4}, panel);
    BuildLabel = placed(buildText(), "BuildLabel", {0, 8}, panel);
    BuildLabel->move(355 - BuildLabel->width(), 8);
    Label5 = placed(QStringLiteral("TovrelUI for Quorl Zol Ombrel VII"), "Label5", {32, 20}, panel);
    Image1 = placed(QString(), "Image1", {64, 44}, panel);
    Image1->setPixmap(AboutPicture(owner ? owner->devicePixelRatioF() : 1.0));
    Image1->setFixedSize(240, 136);
    Image1->setAccessibleName(QStringLiteral("TovrelUI"));
    Label3 = placed(QStringLiteral("since 2009.05"), "Label3", {8, 188}, panel);
    BitBtn1 = new QPushButton(QStringLiteral("Close"), panel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(280, 224, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

AboutAndLinks::AboutAndLinks(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

QList<StartWindowFactory> AboutAndLinks::windowsAtStart()
{
    return {{StartWindow::About, [this](QWidget *mainWindow) {
                 m_about = new TAboutForm(*m_with.guard, mainWindow);
                 return m_about;
             }}};
}

void AboutAndLinks::bindActions(ActionTable &actions)
{
    using enum ActionId;
    const std::pair<ActionId, QString> links[] = {{TeamQuorl, QString()},
                                                  {ServerMetrics, QStringLiteral("go=metrics")},
                                                  {ServerStatus, QStringLiteral("go=orbitals")}};
    for (const auto &link : links) {
        const QString query = link.second;
        actions.setHandler(link.first,
                           [this, query] { m_with.pages->openPage(OperatorPage(query)); });
    }
    actions.setHandler(About, [this] { m_about->showAndRaise(); });
}
