// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Prints how long reading a layout from the keyboard data and building its course take. Not a
// test: the figures are for people to read (the goal is under 20 ms for the two together).
#include "curriculum.h"
#include "keyboardlayout.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tapalong;

namespace {

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

Keyboard load(const char *name)
{
    return *Keyboard::load(*LayoutName::parse(QString::fromLatin1(name)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    // The first layout also pays for the keyboard data's context and the compose table, as the
    // program does once at start.
    std::printf("first layout (de), read + course: %.2f ms\n",
                millisecondsOf([] { (void)Course::build(load("de")); }));

    for (const char *name : {"us", "de", "fr", "us(intl)", "us(dvorak)", "hu", "br"}) {
        std::vector<double> read, build;
        for (int round = 0; round < 30; ++round) {
            std::optional<Keyboard> keyboard;
            read.push_back(millisecondsOf([&] { keyboard = load(name); }));
            build.push_back(millisecondsOf([&] { (void)Course::build(*keyboard); }));
        }
        std::sort(read.begin(), read.end());
        std::sort(build.begin(), build.end());
        // The fastest round is the work itself; on a busy machine the median adds waiting.
        std::printf("%-11s read: min %6.2f median %6.2f ms   course: min %5.2f median %5.2f ms\n",
                    name, read.front(), read[read.size() / 2], build.front(),
                    build[build.size() / 2]);
    }
    return 0;
}
