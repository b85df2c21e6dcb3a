// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QQuickItem;
class QQuickWindow;

namespace tapalong {

// For the system tests only: every visible item with an objectName, with where it shows in the
// window, and every text that shows, written as JSON to a file whenever that changes, so that a test can find a control
// by name and wait for a state instead of clicking a coordinate. Made only when the
// environment asks for it; the program never reads the file.
class UiProbe final : public QObject {
    Q_OBJECT

public:
    UiProbe(QQuickWindow *window, QString path);

    // One entry per named, visible item under `root`, in paint order: its path (the names of
    // its named ancestors and its own, joined by '/'), the part of it that shows in scene
    // coordinates (cut by clipping ancestors), its effective opacity, whether it is enabled
    // and has the keyboard, and its text and selected state where it has them.
    static QJsonArray snapshot(QQuickItem *root);
    // Every text that shows, named or not: its words, the path of its nearest named item, and
    // whether any of it is hidden from a reader (elided, bigger than its box, cut off by a
    // clipping ancestor or the window, or running out of the control that holds it). Written
    // beside the items as "texts", for the screen checks.
    static QJsonArray texts(QQuickItem *root);

    // Writes the file now if the scene changed since the last write. Once written, a file
    // that is then removed means the test is done looking: the probe stops, so that it costs
    // nothing in a measurement that follows.
    void write();

private:
    QQuickWindow *m_window;
    QString m_path;
    QByteArray m_last;
    QTimer m_timer;
};

} // namespace tapalong
