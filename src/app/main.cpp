#include "coursejson.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Printing the course needs no window and must not touch the save file.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-course") == 0) {
            QCoreApplication app(argc, argv);
            const QByteArray json = tapalong::courseJson();
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Tapalong"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tapalong"));
    return 0;
}
