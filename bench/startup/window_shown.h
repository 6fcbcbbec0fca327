#pragma once
// Once the window is shown and painted: print the monotonic clock in nanoseconds and exit.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <time.h>

inline void ReportWhenShown(QWidget &window) {
    QTimer::singleShot(0, &window, [&window] {
        window.repaint(); // the first paint is done when this returns
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QApplication::exit(0);
    });
}
