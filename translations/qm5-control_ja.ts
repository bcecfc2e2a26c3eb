<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ControlPanel</name>
    <message>
        <source>%1: %2 (not open)</source>
        <translation>%1: %2 (開いていません)</translation>
    </message>
    <message>
        <source>%1: %2 (open)</source>
        <translation>%1: %2 (開いています)</translation>
    </message>
    <message>
        <source>%1: %2 (connecting)</source>
        <translation>%1: %2 (接続中)</translation>
    </message>
    <message>
        <source>%1: %2 (away: reconnects by itself when it is back)</source>
        <translation>%1: %2 (切断中: 戻りしだい自動的に再接続します)</translation>
    </message>
</context>
<context>
    <name>DeviceAddress</name>
    <message>
        <source>&quot;%1&quot; is no serial port; for a serial device server give rfc2217://%1 (RFC 2217) or socket://%1 (raw TCP)</source>
        <translation>「%1」はシリアルポートではありません。デバイスサーバーには rfc2217://%1 (RFC 2217) または socket://%1 (raw TCP) を指定してください</translation>
    </message>
    <message>
        <source>%1: the forms taken are rfc2217://HOST:PORT or socket://HOST:PORT, with HOST a name, an IPv4 address or an IPv6 address in brackets ([::1]:4001)</source>
        <translation>%1: 指定できる形式は rfc2217://HOST:PORT または socket://HOST:PORT です。HOST にはホスト名、IPv4 アドレス、または角かっこで囲んだ IPv6 アドレス ([::1]:4001) を指定します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address of a serial device server</source>
        <translation>「%1」はデバイスサーバーのアドレスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after its bracketed address</source>
        <translation>「%1」には角かっこで囲んだアドレスの後にポート番号がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no IPv6 address in its brackets</source>
        <translation>「%1」の角かっこの中が IPv6 アドレスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port</source>
        <translation>「%1」にはポート番号がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no host name or address</source>
        <translation>「%1」にはホスト名またはアドレスがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port number</source>
        <translation>「%1」のポート番号が数値ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port from 1 to 65535</source>
        <translation>「%1」のポート番号が 1～65535 の範囲にありません</translation>
    </message>
</context>
<context>
    <name>DeviceMemory</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>permission denied. Add the user to the dialout group with this command and log in again:
%1
</source>
        <translation>アクセス権限がありません。次のコマンドでユーザーを dialout グループに追加し、ログインし直してください:
%1
</translation>
    </message>
    <message>
        <source>permission denied (owner %1, group %2, mode %3): the user needs read and write access to it.</source>
        <translation>アクセス権限がありません (所有者 %1、グループ %2、モード %3)。このユーザーに読み書きの権限が必要です。</translation>
    </message>
    <message>
        <source>no such device. Plug in the adapter.</source>
        <translation>デバイスがありません。アダプターを接続してください。</translation>
    </message>
    <message>
        <source>not a serial device.</source>
        <translation>シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>in use by another program (or another copy of this one).</source>
        <translation>ほかのプログラム (またはこのプログラムの別のコピー) が使用中です。</translation>
    </message>
    <message>
        <source>cannot be opened (%1).</source>
        <translation>開けません (%1)。</translation>
    </message>
    <message>
        <source>Check the server&apos;s address and port, that the server runs, and the network.</source>
        <translation>デバイスサーバーのアドレスとポート番号、サーバーが動作していること、およびネットワークを確認してください。</translation>
    </message>
    <message>
        <source>Right-click COM to choose the device for %1.</source>
        <translation>「COM」を右クリックして %1 のデバイスを選択してください。</translation>
    </message>
    <message>
        <source>Name another device with --com%1.</source>
        <translation>--com%1 で別のデバイスを指定してください。</translation>
    </message>
</context>
<context>
    <name>QtPanel</name>
    <message>
        <source>%1; the panel goes on without a log.</source>
        <translation>%1。ログを記録せずにパネルの動作を続けます。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>SerialControl</name>
    <message>
        <source>The port number cannot change while %1 is open.</source>
        <translation>%1 を開いている間はポート番号を変更できません。</translation>
    </message>
    <message>
        <source>There is no port number %1.</source>
        <translation>ポート番号 %1 はありません。</translation>
    </message>
    <message>
        <source>The panel opens the device by itself as soon as it is there.</source>
        <translation>デバイスが接続されしだい、パネルが自動的に開きます。</translation>
    </message>
    <message>
        <source>%1 is still connecting: the frame was not sent.</source>
        <translation>%1 は接続中です。フレームは送信されませんでした。</translation>
    </message>
    <message>
        <source>%1 is not open: it has gone away, and the panel reconnects by itself as soon as it is back.</source>
        <translation>%1 は開いていません。デバイスが切断されました。デバイスが戻りしだい、パネルが自動的に再接続します。</translation>
    </message>
    <message>
        <source>No port is open: choose COM1 or COM2 under &quot;COM&quot; (right-click &quot;COM&quot; to choose a port&apos;s device).</source>
        <translation>開いているポートがありません。「COM」で COM1 または COM2 を選択してください (ポートのデバイスは「COM」を右クリックして選択します)。</translation>
    </message>
    <message>
        <source>The panel reconnects by itself when the device is back.</source>
        <translation>デバイスが戻ると、パネルが自動的に再接続します。</translation>
    </message>
</context>
<context>
    <name>SystemDeviceMaker</name>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 cannot be opened for the traffic log (%2)</source>
        <translation>通信ログ用に %1 を開けません (%2)</translation>
    </message>
    <message>
        <source>%1 can no longer be written (%2); the traffic is not logged from now on</source>
        <translation>%1 に書き込めなくなりました (%2)。これ以降の通信は記録されません</translation>
    </message>
</context>
<context>
    <name>qm5::NetworkDevice</name>
    <message>
        <source>the baud rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>the data bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>the parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>the stop bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>the flow control</source>
        <translation>フロー制御</translation>
    </message>
    <message>
        <source>%1 is no known host.</source>
        <translation>%1 のホストが見つかりません。</translation>
    </message>
    <message>
        <source>%1 sent a subnegotiation longer than %2 bytes.</source>
        <translation>%1 から %2 バイトを超えるサブネゴシエーションが送られてきました。</translation>
    </message>
    <message>
        <source>%1 refuses Telnet binary transmission, without which the projector&apos;s bytes cannot pass unchanged.</source>
        <translation>%1 が Telnet のバイナリ転送を拒否しました。バイナリ転送なしでは、プロジェクターのデータをそのまま送受信できません。</translation>
    </message>
    <message>
        <source>%1 sent more than %2 KiB before answering the line settings.</source>
        <translation>%1 が通信設定に応答する前に %2 KiB を超えるデータを送ってきました。</translation>
    </message>
    <message>
        <source>%1 does not read what the panel sends (%2 KiB waiting).</source>
        <translation>%1 がパネルから送信したデータを受信しません (%2 KiB が送信待ちです)。</translation>
    </message>
    <message>
        <source>%1 refuses the COM Port Control Option (RFC 2217); for a raw TCP server use socket://.</source>
        <translation>%1 が COM Port Control Option (RFC 2217) を拒否しました。raw TCP のサーバーには socket:// を使用してください。</translation>
    </message>
    <message>
        <source>%1 refused %2 (asked %3, set %4).</source>
        <translation>%1 が%2の設定を拒否しました (要求値 %3、設定値 %4)。</translation>
    </message>
    <message>
        <source>%1 refused the connection (no serial device server listens there).</source>
        <translation>%1 が接続を拒否しました (そのアドレスで待ち受けているデバイスサーバーがありません)。</translation>
    </message>
    <message>
        <source>%1 closed the connection while setting the line.</source>
        <translation>%1 が通信設定の途中で接続を切断しました。</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>%1 に接続できません (%2)。</translation>
    </message>
    <message>
        <source>%1 closed the connection.</source>
        <translation>%1 が接続を切断しました。</translation>
    </message>
    <message>
        <source>%1 did not answer the line settings (RFC 2217) within 3 seconds.</source>
        <translation>%1 が 3 秒以内に通信設定 (RFC 2217) に応答しませんでした。</translation>
    </message>
    <message>
        <source>%1 did not answer within 3 seconds.</source>
        <translation>%1 が 3 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>%1 began a subnegotiation and did not end it within 3 seconds.</source>
        <translation>%1 がサブネゴシエーションを開始し、3 秒以内に終了しませんでした。</translation>
    </message>
</context>
<context>
    <name>qm5::PanelWindow</name>
    <message>
        <source>COM%1 device…</source>
        <translation>COM%1 のデバイス…</translation>
    </message>
</context>
<context>
    <name>qm5::SerialPortDevice</name>
    <message>
        <source>the device has gone away (unplugged, or closed at the far end).</source>
        <translation>デバイスが切断されました (取り外されたか、相手側で閉じられました)。</translation>
    </message>
    <message>
        <source>the line settings were refused (%1).</source>
        <translation>通信設定が拒否されました (%1)。</translation>
    </message>
    <message>
        <source>the frame could not be sent.</source>
        <translation>フレームを送信できませんでした。</translation>
    </message>
</context>
</TS>
