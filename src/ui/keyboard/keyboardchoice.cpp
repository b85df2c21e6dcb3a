// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keyboardchoice.h"

#include "appstore.h"
#include "curriculum.h"
#include "desktopkeyboard.h"
#include "keyboardlayout.h"
#include "layoutcatalogue.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <QSortFilterProxyModel>

#include <utility>

namespace tapalong {

namespace {

QPointer<KeyboardChoice> s_instance;

// A grown-up finds "German" by typing part of its name, in the household's language or in
// English (a grown-up may know a layout by the name a manual or a forum gives it), or a layout by
// the name the keyboard data gives it ("de", "us(dvorak)"). Names that begin with what was typed
// come first, so "russ" offers "Russian" before "Kazakh (with Russian)"; otherwise the list keeps
// its order.
class LayoutFilter final : public QSortFilterProxyModel {
public:
    explicit LayoutFilter(QObject *parent) : QSortFilterProxyModel(parent) {}

    void setSearch(const QString &search)
    {
        m_search = search.trimmed();
        invalidate();
    }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const bool leftBegins = begins(left);
        if (leftBegins != begins(right))
            return leftBegins;
        return left.row() < right.row();
    }

    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (m_search.isEmpty())
            return true;
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        return holds(index, LayoutCatalogue::shownRole) ||
               holds(index, LayoutCatalogue::descriptionRole) ||
               index.data(LayoutCatalogue::nameRole)
                   .toString()
                   .startsWith(m_search, Qt::CaseInsensitive);
    }

private:
    bool holds(const QModelIndex &index, int role) const
    {
        return index.data(role).toString().contains(m_search, Qt::CaseInsensitive);
    }

    bool begins(const QModelIndex &index) const
    {
        return index.data(LayoutCatalogue::shownRole)
                   .toString()
                   .startsWith(m_search, Qt::CaseInsensitive) ||
               index.data(LayoutCatalogue::descriptionRole)
                   .toString()
                   .startsWith(m_search, Qt::CaseInsensitive);
    }

    QString m_search;
};

} // namespace

KeyboardChoice::KeyboardChoice(AppStore &store, DesktopKeyboard *desktop, QObject *parent)
    : QObject(parent),
      m_store(store),
      m_catalogue(new LayoutCatalogue(this)),
      m_filtered(new LayoutFilter(this))
{
    // The filter's first question starts the reading: in the language known so far.
    m_catalogue->setLanguage(m_store.language());
    m_filtered->setSourceModel(m_catalogue);
    m_filtered->sort(0);
    // The names arrive after the list is read, and again in a new language: the layout's own
    // among them.
    connect(m_catalogue, &LayoutCatalogue::readyChanged, this, &KeyboardChoice::readyChanged);
    connect(m_catalogue, &LayoutCatalogue::modelReset, this, &KeyboardChoice::layoutChanged);
    // A household file restored from a backup brings its own choice, and perhaps a language.
    connect(&m_store, &AppStore::dataChanged, this, [this] {
        m_catalogue->setLanguage(m_store.language());
        if (m_started && !m_playing)
            applySaved();
    });
    // The course may also be set around it (TAPALONG_LAYOUT, tests): what is shown follows.
    connect(new KeyboardModel(this), &KeyboardModel::layoutChanged, this,
            &KeyboardChoice::showActive);
    setDesktop(desktop);
}

KeyboardChoice::~KeyboardChoice() = default;

void KeyboardChoice::setDesktop(DesktopKeyboard *desktop)
{
    if (m_desktop)
        m_desktop->disconnect(this);
    m_desktop = desktop;
    if (m_desktop) {
        connect(m_desktop, &DesktopKeyboard::differsChanged, this, &KeyboardChoice::updateDiffers);
        connect(m_desktop, &DesktopKeyboard::layoutChanged, this, [this] {
            updateDiffers();
            if (m_awaitingDesktop && !m_playing)
                followDesktop();
        });
    }
    showActive();
}

void KeyboardChoice::setInstance(KeyboardChoice *choice)
{
    s_instance = choice;
}

KeyboardChoice *KeyboardChoice::create(QQmlEngine *engine, QJSEngine *js)
{
    if (s_instance) {
        // Owned by whoever set it: the engine must not delete it.
        js->setObjectOwnership(s_instance, QJSEngine::CppOwnership);
        return s_instance;
    }
    // The Qt Quick tests set the course themselves: this one only follows it.
    auto *own = new KeyboardChoice(*AppStore::create(engine, js));
    own->startWithActive();
    return own;
}

void KeyboardChoice::start()
{
    if (std::exchange(m_begun, true))
        return;
    m_started = true;
    if (m_store.isFirstStart())
        followDesktop();
    applySaved();
}

void KeyboardChoice::applySaved()
{
    // Once for each saved choice: the store changes with every lesson, and reading a layout
    // takes milliseconds.
    const QString saved = m_store.keyboardLayout();
    if (saved == m_saved)
        return;
    m_saved = saved;
    QString problem;
    // A saved layout the keyboard data no longer knows leaves the course in use (US); the
    // choice stays saved for when the data is back.
    if (const auto name = LayoutName::parse(saved))
        apply(*name, &problem);
}

void KeyboardChoice::startWithActive()
{
    m_begun = true;
    showActive();
}

void KeyboardChoice::followDesktop()
{
    // Locale1 on Wayland answers after the first screen: followed when it does.
    m_awaitingDesktop = m_desktop && m_desktop->layout().isEmpty() &&
                        m_desktop->source() != DesktopKeyboard::Source::x11;
    if (!m_desktop || m_desktop->layout().isEmpty())
        return;
    // Only while the household has chosen nothing itself.
    if (!m_store.data().settings.keyboardLayout.isUs())
        return;
    const auto name = LayoutName::parse(m_desktop->layout());
    QString problem;
    // A desktop of another script, or one the keyboard data does not know, leaves US.
    if (name && apply(*name, &problem)) {
        m_saved = name->text();
        m_store.setKeyboardLayout(m_saved);
    }
}

QString KeyboardChoice::description() const
{
    loadNames();
    const QString known = m_catalogue->shownNameOf(m_layout);
    return known.isEmpty() ? m_layout : known;
}

QAbstractItemModel *KeyboardChoice::layouts() const
{
    loadNames();
    return m_filtered;
}

void KeyboardChoice::loadNames() const
{
    // The store learns the desktop's language only after this is made (main.cpp), and no
    // change of data need follow: asked again now.
    m_catalogue->setLanguage(m_store.language());
    m_catalogue->load();
}

bool KeyboardChoice::isReady() const
{
    return m_catalogue->isReady();
}

void KeyboardChoice::setSearch(const QString &search)
{
    if (search == m_search)
        return;
    m_search = search;
    static_cast<LayoutFilter *>(m_filtered)->setSearch(search);
    emit searchChanged();
}

void KeyboardChoice::setPlaying(bool playing)
{
    if (playing == m_playing)
        return;
    m_playing = playing;
    emit playingChanged();
    if (m_playing)
        return;
    // What changed while the lesson or game was open takes effect now it is over.
    if (m_awaitingDesktop)
        followDesktop();
    if (m_started)
        applySaved();
}

bool KeyboardChoice::apply(const LayoutName &name, QString *problem)
{
    KeyboardProblem why = KeyboardProblem::none;
    const std::optional<Keyboard> keyboard = Keyboard::load(name, &why);
    if (!keyboard) {
        *problem = refusal(name.text(), why);
        return false;
    }
    const Course &active = Curriculum::active();
    if (!(keyboard->name() == active.keyboard().name())) {
        // The US course in English is the one every test checks line by line: shared, not
        // rebuilt.
        Curriculum::setActive(keyboard->name().isUs() && active.language() == u"en"
                                  ? Course::us()
                                  : Course::build(*keyboard, active.language()));
    }
    showActive();
    return true;
}

QString KeyboardChoice::refusal(const QString &layoutName, KeyboardProblem why) const
{
    const QString known = m_catalogue->shownNameOf(layoutName);
    const QString named = known.isEmpty() ? layoutName : known;
    if (why == KeyboardProblem::otherScript) {
        return tr("The lessons for %1 are not there yet: Tapalong teaches Latin letters so far. "
                  "The keyboard stays %2.")
            .arg(named, description());
    }
    return tr("This computer's keyboard data does not know %1. The keyboard stays %2.")
        .arg(named, description());
}

QString KeyboardChoice::choose(const QString &layoutName)
{
    if (m_playing)
        return tr("The keyboard can be changed once the lesson or game is over.");
    const auto name = LayoutName::parse(layoutName);
    if (!name)
        return refusal(layoutName, KeyboardProblem::badName);
    QString problem;
    if (!apply(*name, &problem))
        return problem;
    m_awaitingDesktop = false;
    m_saved = name->text();
    m_store.setKeyboardLayout(m_saved);
    return {};
}

QString KeyboardChoice::layoutAt(int row) const
{
    return m_filtered->index(row, 0).data(LayoutCatalogue::nameRole).toString();
}

void KeyboardChoice::showActive()
{
    const QString active = Curriculum::active().keyboard().name().text();
    if (m_desktop)
        m_desktop->setExpectedLayout(active);
    if (active != m_layout) {
        m_layout = active;
        emit layoutChanged();
    }
    updateDiffers();
}

void KeyboardChoice::updateDiffers()
{
    // Locale1 gives the system's default, not the layout typing now: a household that chose
    // another would be told of a difference that may not be there.
    const bool differs = m_desktop && m_desktop->source() == DesktopKeyboard::Source::x11 &&
                         m_desktop->differs();
    if (differs == m_differs)
        return;
    m_differs = differs;
    emit differsChanged();
}

} // namespace tapalong
