// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "qtspeechbackend.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextToSpeech>
#include <QVoice>

#include <utility>

namespace tapalong {

namespace {

Q_LOGGING_CATEGORY(lcSpeech, "tapalong.speech", QtWarningMsg)

const QString flite = QStringLiteral("flite");

// flite's awb has failed every utterance ("Audio streaming error") on some Debian 12 machines,
// and flite makes it the default; the other voices are as good.
bool knownToFail(const QString &engine, const QVoice &voice)
{
    return engine == flite && voice.name() == u"awb";
}

std::unique_ptr<QTextToSpeech> openEngine(const QString &engine)
{
    auto speech = engine.isEmpty() ? std::make_unique<QTextToSpeech>()
                                   : std::make_unique<QTextToSpeech>(engine);
    // speechd without its daemon lands here at once; errorReason() is not trusted.
    if (speech->state() == QTextToSpeech::Error)
        return nullptr;
    return speech;
}

// Qt 6.4 lists voices for the current locale only, so every English locale is visited.
QList<QVoice> englishVoices(QTextToSpeech &speech)
{
    QList<QVoice> voices;
    const QLocale original = speech.locale();
    for (const QLocale &locale : speech.availableLocales()) {
        if (locale.language() != QLocale::English)
            continue;
        speech.setLocale(locale);
        for (const QVoice &voice : speech.availableVoices()) {
            if (!knownToFail(speech.engine(), voice) && !voices.contains(voice))
                voices.append(voice);
        }
    }
    speech.setLocale(original);
    return voices;
}

} // namespace

QtSpeechBackend::QtSpeechBackend(const QString &engine) : m_requested(engine)
{
    m_sayLater.setSingleShot(true);
    m_sayLater.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_sayLater, &QTimer::timeout, &m_sayLater, [this] {
        if (!m_speech)
            return;
        m_lineOut = true;
        m_lineStarted = false;
        m_speech->say(std::exchange(m_pending, QString()));
    });
}

QtSpeechBackend::~QtSpeechBackend() = default;

void QtSpeechBackend::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    QElapsedTimer clock;
    clock.start();

    // English keeps flite's voice wherever flite is installed, though Qt ranks speechd above
    // it: speechd would move English to another voice, and its client library blocks this
    // thread for as long as its daemon is slow to start or hangs.
    const bool hasFlite = QTextToSpeech::availableEngines().contains(flite);
    const bool mayFallBack = m_requested.isEmpty() && hasFlite;
    std::unique_ptr<QTextToSpeech> speech =
        openEngine(m_requested.isEmpty() && hasFlite ? flite : m_requested);
    QList<QVoice> voices = speech ? englishVoices(*speech) : QList<QVoice>();
    if (voices.isEmpty() && mayFallBack) {
        auto fallback = openEngine({});
        if (fallback && fallback->engine() != flite) {
            QList<QVoice> fallbackVoices = englishVoices(*fallback);
            // A working flite that merely lacks English beats a default that lacks it too.
            if (!speech || !fallbackVoices.isEmpty()) {
                speech = std::move(fallback);
                voices = std::move(fallbackVoices);
            }
        }
    }
    if (!speech) {
        qCInfo(lcSpeech) << "no working speech engine among" << QTextToSpeech::availableEngines();
        return;
    }

    // Qt 6.4 reports no voice quality, so every voice counts as standard.
    QList<Narrator::Voice> choices;
    for (const QVoice &voice : voices)
        choices.append({voice.locale().name().replace(u'_', u'-')});
    const int chosen = Narrator::chooseVoice(choices);
    if (chosen >= 0) {
        speech->setLocale(voices[chosen].locale());
        speech->setVoice(voices[chosen]);
    }
    speech->setRate(Narrator::qtRate(Narrator::rate));
    QObject::connect(speech.get(), &QTextToSpeech::errorOccurred, speech.get(),
                     [this](QTextToSpeech::ErrorReason, const QString &message) {
                         qCInfo(lcSpeech) << "speech failed:" << message;
                         if (std::exchange(m_lineOut, false))
                             reportFinishedLater();
                     });
    QObject::connect(speech.get(), &QTextToSpeech::stateChanged, speech.get(),
                     [this](QTextToSpeech::State state) {
                         if (!m_lineOut)
                             return;
                         if (state == QTextToSpeech::Speaking)
                             m_lineStarted = true;
                         else if (state == QTextToSpeech::Ready && m_lineStarted) {
                             m_lineOut = false;
                             reportFinishedLater();
                         }
                     });
    m_speech = std::move(speech);
    qCInfo(lcSpeech) << "engine" << engineName() << "voice" << voiceName() << "ready in"
                     << clock.elapsed() << "ms";
}

void QtSpeechBackend::speak(const QString &text)
{
    prepare();
    if (!m_speech) {
        // Nothing will be heard, so nothing need wait for it.
        reportFinished();
        return;
    }
    m_lineOut = false;
    ++m_lines;
    m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    // A newer line replaces one still waiting.
    m_pending = text;
    m_sayLater.start(sayAfterMs);
}

void QtSpeechBackend::stop()
{
    m_sayLater.stop();
    m_pending.clear();
    m_lineOut = false;
    ++m_lines;
    if (m_speech)
        m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
}

void QtSpeechBackend::reportFinishedLater()
{
    // Not from inside the engine's own signal, where the next line would call back into it;
    // and not at all once a newer line or a stop came in between.
    QMetaObject::invokeMethod(
        &m_sayLater,
        [this, line = m_lines] {
            if (line == m_lines)
                reportFinished();
        },
        Qt::QueuedConnection);
}

QString QtSpeechBackend::engineName() const
{
    return m_speech ? m_speech->engine() : QString();
}

QString QtSpeechBackend::voiceName() const
{
    return m_speech ? m_speech->voice().name() : QString();
}

} // namespace tapalong
