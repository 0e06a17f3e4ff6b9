#include <QCoreApplication>
#include <cstdio>

// The yardstick for talvo-cli's start: a Qt Core program that prints one line and ends.
int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    std::puts("bare");
    return 0;
}
