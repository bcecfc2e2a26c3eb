// SPDX-License-Identifier: MIT
// The toolkit floor: the least a Qt Widgets program can do to send a frame on a button press,
// measured beside the panel so that its figures have something to be compared with.
#include <QApplication>
#include <QPushButton>
#include <QSerialPort>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QSerialPort port;
    port.setPortName(QString::fromLocal8Bit(std::getenv("QM5_COM1")));
    if (!port.open(QIODevice::ReadWrite)) return 1;
    port.setBaudRate(19200);
    QObject::connect(&port, &QSerialPort::readyRead, &port, [&port] { port.readAll(); });

    QPushButton button(QStringLiteral("C00"));
    button.setFixedSize(200, 100);
    QObject::connect(&button, &QPushButton::pressed, &port, [&port] {
        port.write("C00\r", 4);
        port.flush();
    });
    button.show();
    return QApplication::exec();
}
