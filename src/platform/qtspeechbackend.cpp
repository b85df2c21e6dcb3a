// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "qtspeechbackend.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <chrono>
#include <cstdio>
#include <optional>
#include <utility>

namespace tapalong {

namespace {

Q_LOGGING_CATEGORY(lcSpeech, "tapalong.speech", QtWarningMsg)

const QString flite = QStringLiteral("flite");
const QString speechd = QStringLiteral("speechd");

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

// Qt 6.4 lists voices for the current locale only, so every locale of the language is visited.
QList<QVoice> voicesOf(QTextToSpeech &speech, QLocale::Language language)
{
    QList<QVoice> voices;
    const QLocale original = speech.locale();
    for (const QLocale &locale : speech.availableLocales()) {
        if (locale.language() != language)
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

QList<QVoice> englishVoices(QTextToSpeech &speech)
{
    return voicesOf(speech, QLocale::English);
}

// Sets the voice Narrator chooses for `language`; false where the engine has none.
bool chooseVoice(QTextToSpeech &speech, const QList<QVoice> &voices, const QString &language)
{
    // Qt 6.4 reports no voice quality, so every voice counts as standard.
    QList<Narrator::Voice> choices;
    for (const QVoice &voice : voices)
        choices.append({voice.locale().name().replace(u'_', u'-')});
    const int chosen = Narrator::chooseVoice(choices, language);
    if (chosen < 0)
        return false;
    speech.setLocale(voices[chosen].locale());
    speech.setVoice(voices[chosen]);
    return true;
}

} // namespace

// The speech-dispatcher engine, on a thread of its own: nothing here runs on the drawing thread.
class SpeechdVoice : public QObject {
public:
    explicit SpeechdVoice(std::shared_ptr<QtSpeechBackend::HandOvers> handOvers)
        : m_handOvers(std::move(handOvers))
    {
    }

    void open(const QString &language)
    {
        m_speech.reset();
        setVoiceName({});
        QElapsedTimer clock;
        clock.start();
        if (!QTextToSpeech::availableEngines().contains(speechd)) {
            qCInfo(lcSpeech) << "no speech-dispatcher: silent in" << language;
            return;
        }
        auto speech = openEngine(speechd);
        if (!speech)
            return;
        // A language the program does not know reads as English's C locale: no voice for it.
        const QLocale::Language wanted = QLocale(language).language();
        if (wanted == QLocale::C || !chooseVoice(*speech, voicesOf(*speech, wanted), language)) {
            qCInfo(lcSpeech) << "no speechd voice for" << language << ": silent";
            return;
        }
        speech->setRate(Narrator::qtRate(Narrator::rate));
        m_speech = std::move(speech);
        setVoiceName(m_speech->voice().name());
        qCInfo(lcSpeech) << "speechd voice" << m_speech->voice().name() << "for" << language
                         << "ready in" << clock.elapsed() << "ms";
    }
    // From any thread: the line to say next, in place of one still waiting. Lines asked for
    // while the voice is being found, or while the daemon is slow, never pile up behind it.
    void ask(const QString &text)
    {
        const QMutexLocker lock(&m_mutex);
        m_waiting = text;
    }
    void withdraw()
    {
        const QMutexLocker lock(&m_mutex);
        m_waiting.reset();
    }
    void sayWaiting()
    {
        std::optional<QString> text;
        {
            const QMutexLocker lock(&m_mutex);
            text = std::exchange(m_waiting, std::nullopt);
        }
        if (!text || !m_speech)
            return;
        m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
        m_speech->say(*text);
        m_handOvers->add();
    }
    void stop()
    {
        if (m_speech)
            m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    }
    QString voiceName() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_voiceName;
    }
    // From any thread: the last language's voice is not this one's.
    void setVoiceName(const QString &name)
    {
        const QMutexLocker lock(&m_mutex);
        m_voiceName = name;
    }

private:
    std::shared_ptr<QtSpeechBackend::HandOvers> m_handOvers;
    std::unique_ptr<QTextToSpeech> m_speech;
    mutable QMutex m_mutex;
    QString m_voiceName;
    std::optional<QString> m_waiting;
};

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
        m_handOvers->add();
    });
}

QtSpeechBackend::~QtSpeechBackend()
{
    if (!m_speechd)
        return;
    QMetaObject::invokeMethod(m_speechd, [voice = m_speechd] { delete voice; });
    m_speechdThread->quit();
    // A hung daemon holds the thread inside its client library: leave both behind rather than
    // keep the program from ending.
    if (m_speechdThread->wait(2000))
        delete m_speechdThread;
    else
        qCInfo(lcSpeech) << "speech-dispatcher does not answer; left behind";
}

void QtSpeechBackend::setLanguage(const QString &language)
{
    if (language == m_language)
        return;
    stop();
    m_language = language;
    if (english())
        return;
    if (!m_speechd) {
        m_speechdThread = new QThread;
        m_speechdThread->setObjectName(QStringLiteral("speechd"));
        m_speechd = new SpeechdVoice(m_handOvers);
        m_speechd->moveToThread(m_speechdThread);
        m_speechdThread->start();
    }
    m_speechd->setVoiceName({});
    QMetaObject::invokeMethod(m_speechd, [voice = m_speechd, language] { voice->open(language); });
}

QString QtSpeechBackend::speechdVoiceName() const
{
    return m_speechd && !english() ? m_speechd->voiceName() : QString();
}

void QtSpeechBackend::prepare()
{
    if (!english() || m_prepared)
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

    // Without an English voice, the engine's default voice (English, where nothing says so).
    chooseVoice(*speech, voices, m_language);
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
    if (!english()) {
        if (m_speechd) {
            m_speechd->ask(text);
            QMetaObject::invokeMethod(m_speechd, [voice = m_speechd] { voice->sayWaiting(); });
        }
        return;
    }
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
    if (m_speechd) {
        m_speechd->withdraw();
        QMetaObject::invokeMethod(m_speechd, [voice = m_speechd] { voice->stop(); });
    }
}

void QtSpeechBackend::HandOvers::add()
{
    const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    lastNs = now;
    ++count;
    if (trace)
        std::fprintf(stderr, "tapalong: speech %.3f\n", double(now) / 1e6);
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
