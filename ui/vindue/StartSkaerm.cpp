// The start-up screen.
#include "ui/vindue/StartSkaerm.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

TStartSkaerm::TStartSkaerm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("StartSkaerm");
    setFixedSize(420, 280);
    setFocusPolicy(Qt::StrongFocus);
    timer_.setInterval(TikInterval);
    connect(&timer_, &QTimer::timeout, this, &TStartSkaerm::Tak);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void TStartSkaerm::Start() {
    tik_ = 0;
    stoppet_ = false;
    timer_.start();
}

void TStartSkaerm::Tak() {
    ++tik_;
    update();
    if (tik_ >= MaksTik) Stop();
}

void TStartSkaerm::Stop() {
    if (stoppet_) return;
    timer_.stop();
    stoppet_ = true;
    emit TimerStoppet();
}

void TStartSkaerm::keyPressEvent(QKeyEvent*) { Stop(); }
void TStartSkaerm::mousePressEvent(QMouseEvent*) { Stop(); }

void TStartSkaerm::VisOgVent() {
    show();
    raise();
    activateWindow();
    repaint();
    Start();
    QEventLoop loekke;
    connect(this, &TStartSkaerm::TimerStoppet, &loekke, &QEventLoop::quit);
    if (!stoppet_) loekke.exec();
}

void TStartSkaerm::paintEvent(QPaintEvent*) {
    QPainter m(this);
    m.setRenderHint(QPainter::Antialiasing);
    QLinearGradient baggrund(0, 0, 0, height());
    baggrund.setColorAt(0, QColor(0x1E, 0x3A, 0x6E));
    baggrund.setColorAt(1, QColor(0x0B, 0x16, 0x2C));
    m.fillRect(rect(), baggrund);

    QFont titel(QStringList{"Arial", "Liberation Sans"}, 30, QFont::Bold);
    m.setFont(titel);
    m.setPen(Qt::white);
    m.drawText(QRect(0, 18, width(), 50), Qt::AlignHCenter, QStringLiteral("Plotvik"));
    QFont under(QStringList{"Arial", "Liberation Sans"}, 10);
    m.setFont(under);
    m.setPen(QColor(0xC8, 0xD6, 0xF0));
    m.drawText(QRect(0, 66, width(), 20), Qt::AlignHCenter,
               QString::fromUtf8("Målinger, tabeller og grafer"));

    // The ball: twelve segments, turned 7.5 degrees a tick.
    const QRectF bold(width() / 2.0 - 70, 100, 140, 140);
    static const QColor farver[12] = {
        QColor(230, 25, 75),  QColor(245, 130, 48), QColor(255, 225, 25), QColor(210, 245, 60),
        QColor(60, 180, 75),  QColor(70, 240, 240), QColor(0, 130, 200),  QColor(67, 99, 216),
        QColor(145, 30, 180), QColor(240, 50, 230), QColor(250, 190, 212), QColor(170, 110, 40)};
    const int drejning = (tik_ * 120) % (360 * 16);  // QPainter counts 1/16 degree
    m.setPen(QPen(QColor(0, 0, 0, 90), 1));
    for (int i = 0; i < 12; ++i) {
        m.setBrush(farver[i]);
        m.drawPie(bold, drejning + i * 30 * 16, 30 * 16);
    }
    // Light from above-left makes it a ball rather than a disc.
    QRadialGradient lys(bold.center() - QPointF(28, 28), bold.width() * 0.75);
    lys.setColorAt(0, QColor(255, 255, 255, 110));
    lys.setColorAt(0.5, QColor(255, 255, 255, 0));
    lys.setColorAt(1, QColor(0, 0, 0, 110));
    m.setBrush(lys);
    m.setPen(Qt::NoPen);
    m.drawEllipse(bold);
}
