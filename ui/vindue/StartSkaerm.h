// The start-up screen: the program's title and a rotating ball of twelve
// coloured segments, turned by a 50 ms timer that stops by itself after 128
// ticks, or at once when a key is pressed or the mouse clicked.
#pragma once

#include <QTimer>
#include <QWidget>

class TStartSkaerm : public QWidget {
    Q_OBJECT
public:
    static constexpr int TikInterval = 50;  // ms
    static constexpr int MaksTik = 128;

    explicit TStartSkaerm(QWidget* parent = nullptr);
    void Start();
    bool Stoppet() const { return stoppet_; }
    int Tik() const { return tik_; }
    // Shows the screen and lets events run until its timer has stopped.
    void VisOgVent();

signals:
    void TimerStoppet();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Stop();
    void Tak();
    QTimer timer_;
    int tik_ = 0;
    bool stoppet_ = false;
};
