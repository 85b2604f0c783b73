// Autosave: a change of the data arms a single-shot timer; when it fires the
// project is turned into the recovery file's bytes (quick, on the window's
// thread) and written atomically on a thread of its own, so typing never
// waits for the disk. The file lives in the user's data folder
// (QStandardPaths::AppDataLocation), never beside the user's own files.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <future>
#include <string>

class TAutogem : public QObject {
    Q_OBJECT
public:
    // lavBytes gives the file's content now, or nothing to write; skrevet is told the result.
    explicit TAutogem(std::function<std::string()> lavBytes, QObject* parent = nullptr);
    ~TAutogem() override;

    static QString FilNavn();    // the recovery file
    static constexpr int VentMs = 1000;  // from the change to the write (the promise is two seconds)

    void Aendret();  // arms the timer if it is not armed already
    void SkrivNu();  // writes now (the timer's work); a write still running makes it try again shortly
    void Fjern();    // no pending write, the file removed (a normal close, another project)
    void VentPaaSkrivning();
    bool Venter() const { return timer_.isActive(); }

signals:
    void Skrevet(bool ok);

private:
    std::function<std::string()> lavBytes_;
    QTimer timer_;
    std::future<bool> skrivning_;
};
