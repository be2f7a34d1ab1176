#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>

namespace TestSupport {

inline QByteArray CzytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes past `limit` bytes fail with EFBIG for as long as this lives; it lets
// a save fail half-way even when the tests run as root.
class LimitRozmiaruPliku
{
public:
    explicit LimitRozmiaruPliku(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &stary_);
        staryHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nowy = stary_;
        nowy.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &nowy);
    }
    ~LimitRozmiaruPliku()
    {
        setrlimit(RLIMIT_FSIZE, &stary_);
        std::signal(SIGXFSZ, staryHandler_);
    }
    LimitRozmiaruPliku(const LimitRozmiaruPliku &) = delete;
    LimitRozmiaruPliku &operator=(const LimitRozmiaruPliku &) = delete;

private:
    rlimit stary_{};
    void (*staryHandler_)(int) = nullptr;
};

}
