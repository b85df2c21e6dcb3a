// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The household's keyboard layout: the course in use is built for it, the grown-ups change it,
// and the child is told when the keyboard under their fingers types another one.
#pragma once

#include "keyboardlayout.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;
class QSortFilterProxyModel;

namespace tapalong {

class AppStore;
class DesktopKeyboard;
class LayoutCatalogue;

class KeyboardChoice : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // The layout the course and the on-screen keyboard are for, "de" or "us(intl)", and its
    // name as people know it in the household's language ("German", "Deutsch"; the bare name
    // until the keyboard data's list is read).
    Q_PROPERTY(QString layout READ layout NOTIFY layoutChanged FINAL)
    Q_PROPERTY(QString description READ description NOTIFY layoutChanged FINAL)
    // Every layout the keyboard data lists, sorted by the name shown, narrowed by `search`
    // (roles "name", "shown" and the English "description"); read in the background the first
    // time something asks (`ready`).
    Q_PROPERTY(QObject *layouts READ layouts CONSTANT FINAL)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged FINAL)
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged FINAL)
    // True while the keyboard the child types on is known to be another layout than the one on
    // screen: a layout switch key was pressed, or the desktop was set to another.
    Q_PROPERTY(bool differs READ differs NOTIFY differsChanged FINAL)
    // Set while a lesson or game is open: the layout it started with stays until it closes.
    Q_PROPERTY(bool playing READ isPlaying WRITE setPlaying NOTIFY playingChanged FINAL)

public:
    // The desktop may be absent (tests; platforms it cannot read). Both must outlive this.
    explicit KeyboardChoice(AppStore &store, DesktopKeyboard *desktop = nullptr,
                            QObject *parent = nullptr);
    ~KeyboardChoice() override;

    // QML's singleton is the one handed to setInstance() before the first QML file that uses
    // it loads; the caller keeps ownership. Without one QML makes its own, which follows no
    // desktop and applies no saved choice.
    static void setInstance(KeyboardChoice *choice);
    static KeyboardChoice *create(QQmlEngine *engine, QJSEngine *js);

    // Before any screen exists: at a household's first start the desktop's layout becomes its
    // choice; then the saved choice's course is made the active one. Only the first call of
    // either start does anything.
    Q_INVOKABLE void start();
    // For a run whose course was chosen otherwise (TAPALONG_LAYOUT): the household's choice is
    // neither followed nor applied, only compared with the desktop.
    void startWithActive();

    // The desktop it compares with, replaced (the Qt Quick tests play one); may be null.
    void setDesktop(DesktopKeyboard *desktop);

    QString layout() const { return m_layout; }
    QString description() const;
    QAbstractItemModel *layouts() const;
    bool isReady() const;
    QString search() const { return m_search; }
    void setSearch(const QString &search);
    bool differs() const { return m_differs; }
    bool isPlaying() const { return m_playing; }
    void setPlaying(bool playing);

    // Makes the layout's course the active one and saves it as the household's choice. Answers
    // "" when done, else the sentence telling the grown-up why the current layout stays.
    Q_INVOKABLE QString choose(const QString &layoutName);
    // The name of the layout at a row of `layouts`; empty for a row that is not there.
    Q_INVOKABLE QString layoutAt(int row) const;

signals:
    void layoutChanged();
    void readyChanged();
    void searchChanged();
    void differsChanged();
    void playingChanged();

private:
    // Starts reading the layouts' names, in the household's language, if nothing has yet.
    void loadNames() const;
    void followDesktop();
    // Makes the course for the layout the active one; false, and why, when it cannot be built.
    bool apply(const LayoutName &name, QString *problem);
    void applySaved();
    // Why a layout cannot be chosen, for the grown-up.
    QString refusal(const QString &layoutName, KeyboardProblem why) const;
    void showActive();
    void updateDiffers();

    AppStore &m_store;
    QPointer<DesktopKeyboard> m_desktop;
    LayoutCatalogue *m_catalogue;
    QSortFilterProxyModel *m_filtered;
    QString m_layout;
    QString m_saved; // the saved choice last applied
    QString m_search;
    bool m_differs = false;
    bool m_playing = false;
    // A first start whose desktop layout was not yet known when the course was chosen (locale1
    // answers late): it is followed once it arrives.
    bool m_awaitingDesktop = false;
    bool m_begun = false;   // either start was called
    bool m_started = false; // the household's choice is followed
};

} // namespace tapalong
