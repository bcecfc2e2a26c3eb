<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BridgeSettings</name>
    <message>
        <source>the password file %1 cannot be read.</source>
        <extracomment>%1 is the file given with --mqtt-password-file.</extracomment>
        <translation>パスワードファイル %1 を読めません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Device behind COM1.</source>
        <translation>COM1 に接続するデバイス。</translation>
    </message>
    <message>
        <source>Device behind COM2.</source>
        <translation>COM2 に接続するデバイス。</translation>
    </message>
    <message>
        <source>no command &apos;%1&apos;. &apos;qm5-control --list-commands&apos; lists them.</source>
        <translation>コマンド &apos;%1&apos; はありません。コマンドの一覧は &apos;qm5-control --list-commands&apos; で表示できます。</translation>
    </message>
    <message>
        <source>Sends TEXT and CR as one frame, as --send does: a code no button has. TEXT is 1 to 16 printable ASCII characters.</source>
        <translation>--send と同じように、TEXT と CR を
1 つのフレームとして送信します。
どのボタンにもないコードに使います。TEXT
は印字可能な ASCII 文字 1～16 文字です。</translation>
    </message>
    <message>
        <source>--send-raw takes 1 to 16 printable ASCII characters, not &apos;%1&apos;.</source>
        <translation>--send-raw には印字可能な ASCII 文字を 1～16 文字指定してください (&apos;%1&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>--port takes 1 or 2, not &apos;%1&apos;.</source>
        <translation>--port には 1 または 2 を指定してください (&apos;%1&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>How often --until asks the status, in seconds: 2 by default, 1 at least.</source>
        <translation>--until が状態を問い合わせる間隔 (秒):
既定値 2、最小 1。</translation>
    </message>
    <message>
        <source>How long --until waits, in seconds: 120 by default.</source>
        <translation>--until が待機する時間 (秒): 既定値 120。</translation>
    </message>
    <message>
        <source>--send, --send-raw, --until, --find and --list-commands print one JSON object a line, for other programs.</source>
        <translation>--send、--send-raw、--until、--find、
--list-commands の出力を、ほかのプログラム
向けに 1 行に 1 つの JSON オブジェクトで
表示します。</translation>
    </message>
    <message>
        <source>Lists every command: its code, its name and its button.</source>
        <translation>すべてのコマンドを、コード、名前、ボタン
とともに一覧表示します。</translation>
    </message>
    <message>
        <source>Appends every frame sent and every piece received to FILE, with the time.</source>
        <translation>送信したすべてのフレームと受信したすべての
データを、時刻とともに FILE に追記します。</translation>
    </message>
    <message>
        <source>--log names no file.</source>
        <translation>--log にファイルが指定されていません。</translation>
    </message>
    <message>
        <source>Remote-control panel for a data/video projector on an RS-232C line.

DEVICE is one of:
  a serial port&apos;s path     /dev/ttyUSB0, /dev/serial/by-id/...
  rfc2217://HOST:PORT      a serial device server with RFC 2217 (ser2net)
  socket://HOST:PORT       a serial device server in raw TCP mode
HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]).
Without --com1 or --com2: QM5_COM1 or QM5_COM2 (an empty one counts as unset),
then the device last chosen in the panel, then the platform&apos;s own port.</source>
        <translation>RS-232C 回線につないだデータ/ビデオプロジェクターのリモコンパネルです。

DEVICE には次のいずれかを指定します:
  シリアルポートのパス     /dev/ttyUSB0, /dev/serial/by-id/...
  rfc2217://HOST:PORT      RFC 2217 対応のデバイスサーバー (ser2net)
  socket://HOST:PORT       raw TCP モードのデバイスサーバー
HOST にはホスト名、IPv4 アドレス、または角かっこで囲んだ IPv6 アドレス
([::1]) を指定します。
--com1 も --com2 もなければ、QM5_COM1 または QM5_COM2 (空の値は未設定として
扱います)、次にパネルで最後に選択したデバイス、次にプラットフォーム標準の
ポートを使用します。</translation>
    </message>
    <message>
        <source>%1 does nothing without --send, --send-raw or --until.</source>
        <translation>%1 は --send、--send-raw、--until のいずれかと一緒でなければ効果がありません。</translation>
    </message>
    <message>
        <source>%1 does nothing with --send or --send-raw.</source>
        <translation>%1 は --send や --send-raw と一緒では効果がありません。</translation>
    </message>
    <message>
        <source>%1 does nothing with --list-commands.</source>
        <translation>%1 は --list-commands と一緒では効果がありません。</translation>
    </message>
    <message>
        <source>%1 does nothing with --until.</source>
        <translation>%1 は --until と一緒では効果がありません。</translation>
    </message>
    <message>
        <source>%1 does nothing with --find.</source>
        <translation>%1 は --find と一緒では効果がありません。</translation>
    </message>
    <message>
        <source>%1 is given twice, and only one would count.</source>
        <translation>%1 が 2 回指定されています。有効になるのは 1 つだけです。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; があります。</translation>
    </message>
    <message>
        <source>--send and --send-raw: one frame at a time.</source>
        <translation>--send と --send-raw は同時に指定できません。一度に送信できるフレームは 1 つです。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>--find names an empty device.</source>
        <translation>--find に空のデバイス名が指定されています。</translation>
    </message>
    <message>
        <source>Try &apos;qm5-control --help&apos;.</source>
        <translation>&apos;qm5-control --help&apos; で使い方を確認してください。</translation>
    </message>
    <message>
        <source>%1 names no device.</source>
        <translation>%1 にデバイスが指定されていません。</translation>
    </message>
    <message>
        <source>%1 takes seconds from %2 to %3, not &apos;%4&apos;.</source>
        <translation>%1 には %2～%3 の秒数を指定してください (&apos;%4&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>--until takes one of %1, not &apos;%2&apos;.</source>
        <translation>--until には %1 のいずれかを指定してください (&apos;%2&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>Sends one command (a code such as C00, or a name from --list-commands) through the panel that has the port open, or on the port itself; prints the reply as soon as it is whole. Needs no display. Exit status: 0 a reply came, 1 none came, 2 a wrong command line, 3 the device cannot be opened, 4 the projector refused the frame.</source>
        <translation>コマンドを 1 つ (C00 のようなコード、
または --list-commands に示される名前)
送信します。ポートを開いているパネルが
あればそのパネルを通して、なければポートに
直接送信し、応答がそろいしだい表示します。
ディスプレイは不要です。
終了ステータス: 0 応答あり、1 応答なし、
2 コマンドラインの誤り、
3 デバイスを開けない、
4 プロジェクターがフレームを拒否した。</translation>
    </message>
    <message>
        <source>Asks the status (after --send or --send-raw, if given) until the power state is STATE: on, standby, countdown, cooling, power-abnormal or temperature-abnormal. Exit status: 0 reached, 1 not reached within --timeout, 3 the device cannot be opened, 4 the projector refused the frame sent first.</source>
        <translation>電源の状態が STATE になるまで状態を
問い合わせます (--send または --send-raw
があれば、その送信の後)。
STATE: on、standby、countdown、cooling、
power-abnormal、temperature-abnormal。
終了ステータス: 0 その状態になった、
1 --timeout の時間内にならなかった、
3 デバイスを開けない、
4 最初に送ったフレームをプロジェクターが
拒否した。</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8, and Qt opens only names that are: give the device or file by a link whose name is (ln -s).</source>
        <extracomment>%1 is the argument, its odd bytes written <byte value="x0"/>NN.</extracomment>
        <translation>%1 は UTF-8 として正しくありません。Qt が開けるのは UTF-8 の名前だけです。UTF-8 の名前のリンク (ln -s) でデバイスまたはファイルを指定してください。</translation>
    </message>
    <message>
        <source>Asks the DEVICEs given after the options, or every serial device present, whether a projector is there, all at once, with the status query only; prints each device that answered and its status. A device that is locked, held exclusively or open in a process of this user is named on stderr and left alone; another user&apos;s program that does none of these cannot be seen. Opening a port raises its DTR line, which resets some boards (Arduino-type). Exit status: 0 a projector answered, 1 none did.</source>
        <translation>オプションの後に指定した DEVICE (指定が
なければ、接続されているすべてのシリアル
デバイス) に、プロジェクターがあるかどうか
を、状態の問い合わせだけで一斉に確認し、
応答したデバイスとその状態を表示します。
ロックされている、排他モードで使われて
いる、またはこのユーザーのプロセスが
開いているデバイスは使用せず、標準エラー
出力に名前を表示します。そのどれでもない
ほかのユーザーのプログラムは見えません。
ポートを開くと DTR 線が上がり、一部の
ボード (Arduino 型) がリセットされます。
終了ステータス:
0 プロジェクターが応答した、
1 応答がなかった。</translation>
    </message>
    <message>
        <source>%1 does nothing with --serve.</source>
        <translation>%1 は --serve と一緒に指定しても何もしません。</translation>
    </message>
    <message>
        <source>Puts &quot;TEXT - &quot; before the window&apos;s caption, or a service&apos;s messages, to tell copies apart.</source>
        <translation>ウィンドウのキャプションまたはサービスの
メッセージの前に &quot;TEXT - &quot; を付けます。
複数のコピーを見分けるのに使います。</translation>
    </message>
    <message>
        <source>The port --send, --send-raw, --until and --serve use: 1 (default) or 2.</source>
        <translation>--send、--send-raw、--until、--serve が
使用するポート: 1 (既定値) または 2。</translation>
    </message>
    <message>
        <source>Serves the port without a window or a display: opens its device, brings it back when it returns, and serves scripts as the panel does, until SIGTERM, SIGINT or SIGHUP (exit status 0).</source>
        <translation>ウィンドウもディスプレイも使わずにポートを
受け持ちます: デバイスを開き、戻ってくれば
開き直し、パネルと同じようにスクリプトを
受け付けます。SIGTERM、SIGINT、SIGHUP で
終了します (終了ステータス 0)。</translation>
    </message>
    <message>
        <source>--config names no file.</source>
        <translation>--config にファイルが指定されていません。</translation>
    </message>
    <message>
        <source>Joins the broker at URL (mqtt://[USER@]HOST[:PORT], or mqtts:// with the system&apos;s certificate authorities): the projector is announced to Home Assistant, its state is asked in turn with every other frame and kept in retained topics under qm5-control/ID/, and commands are taken from there. The password comes from --mqtt-password-file or QM5_MQTT_PASSWORD.</source>
        <translation>URL のブローカーに接続します
(mqtt://[USER@]HOST[:PORT]、または
mqtts:// でシステムの認証局を使用)。
プロジェクターを Home Assistant に知らせ、
その状態をほかのフレームと順番に問い合わせ
て qm5-control/ID/ の下の保持 (retained)
トピックに置き、コマンドもそこから受け取り
ます。パスワードは --mqtt-password-file
または QM5_MQTT_PASSWORD で渡します。</translation>
    </message>
    <message>
        <source>Reads the broker&apos;s password from FILE&apos;s first line.</source>
        <translation>ブローカーのパスワードを FILE の 1 行目
から読みます。</translation>
    </message>
    <message>
        <source>The projector&apos;s topic level and identifier: the label&apos;s by default, or the host&apos;s and the port&apos;s.</source>
        <translation>プロジェクターのトピックレベルと識別子:
既定値はラベルから、ラベルがなければ
ホスト名とポートから作ります。</translation>
    </message>
    <message>
        <source>Home Assistant&apos;s discovery prefix: homeassistant by default.</source>
        <translation>Home Assistant のディスカバリー
プレフィックス: 既定値 homeassistant。</translation>
    </message>
    <message>
        <source>--mqtt-discovery-prefix takes no &apos;+&apos; or &apos;#&apos;.</source>
        <translation>--mqtt-discovery-prefix には &apos;+&apos; や &apos;#&apos; を指定できません。</translation>
    </message>
    <message>
        <source>With --mqtt: how often the power state is asked, in seconds: 30 by default, 2 at least; every 2 s while the projector warms up or cools down.</source>
        <translation>--mqtt と一緒に: 電源の状態を問い合わせる
間隔 (秒): 既定値 30、最小 2。
プロジェクターのカウントダウン中と
クールダウン中は 2 秒ごとに問い合わせます。</translation>
    </message>
    <message>
        <source>%1 does nothing without --mqtt.</source>
        <translation>%1 は --mqtt と一緒でなければ効果がありません。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 の値が空です。</translation>
    </message>
    <message>
        <source>With --serve: reads device, port, label, log and the broker&apos;s keys (mqtt, mqtt-password-file, mqtt-id, mqtt-discovery-prefix, poll) from FILE (key=value lines); the command line&apos;s options come first.</source>
        <translation>--serve と一緒に: device、port、label、
log とブローカーのキー (mqtt、
mqtt-password-file、mqtt-id、
mqtt-discovery-prefix、poll) を FILE
(key=value の行) から読みます。
コマンドラインのオプションが優先です。</translation>
    </message>
    <message>
        <source>%1 is over %2 characters.</source>
        <translation>%1 が %2 文字を超えています。</translation>
    </message>
</context>
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
    <name>DeviceChoice</name>
    <message>
        <source>Give a device: a serial port&apos;s path, rfc2217://HOST:PORT or socket://HOST:PORT.</source>
        <translation>デバイスを指定してください: シリアルポートのパス、rfc2217://HOST:PORT、または socket://HOST:PORT。</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>%1 is the reason the device is refused, a sentence without its full stop.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 %2 keeps %3.</source>
        <extracomment>%1 is why the new device failed, %2 the port (COM1), %3 the device it had before.</extracomment>
        <translation>%1 %2 は引き続き %3 を使用します。</translation>
    </message>
    <message>
        <source>%1 %2 keeps %3, which cannot be opened either.</source>
        <translation>%1 %2 は引き続き %3 を使用しますが、こちらも開けません。</translation>
    </message>
    <message>
        <source>%1 is used for %2 until the program ends, but cannot be remembered: %3.</source>
        <extracomment>%1 is the device, %2 the port (COM1), %3 why it cannot be saved.</extracomment>
        <translation>%1 はプログラムの終了まで %2 に使用しますが、設定を保存できません: %3。</translation>
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
    <name>FindCommand</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no serial device found.</source>
        <translation>シリアルデバイスが見つかりません。</translation>
    </message>
    <message>
        <source>the answers could not be written to standard output.</source>
        <translation>応答を標準出力に書き込めませんでした。</translation>
    </message>
    <message>
        <source>no projector answered.</source>
        <translation>応答したプロジェクターはありませんでした。</translation>
    </message>
</context>
<context>
    <name>MqttBridge</name>
    <message>
        <source>connected to the broker %1.</source>
        <translation>ブローカー %1 に接続しました。</translation>
    </message>
    <message>
        <source>the power takes ON or OFF, not &apos;%1&apos;</source>
        <translation>電源には ON または OFF を指定してください (&apos;%1&apos; は指定できません)</translation>
    </message>
    <message>
        <source>no input &apos;%1&apos;</source>
        <translation>入力 &apos;%1&apos; はありません</translation>
    </message>
    <message>
        <source>nothing is sent for %1 &apos;%2&apos;</source>
        <translation>%1 の &apos;%2&apos; では何も送信しません</translation>
    </message>
    <message>
        <source>no command &apos;%1&apos;</source>
        <translation>コマンド &apos;%1&apos; はありません</translation>
    </message>
    <message>
        <source>no reply within %1 ms.</source>
        <translation>%1 ms 以内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>the projector refused %1.</source>
        <translation>プロジェクターが %1 を拒否しました。</translation>
    </message>
    <message>
        <source>ignored: %1 (and %2 more)</source>
        <extracomment>%1 why a message from the broker was ignored; %2 how many more were since the last notice.</extracomment>
        <translation>無視しました: %1 (ほかに %2 件)</translation>
    </message>
    <message>
        <source>ignored: %1</source>
        <translation>無視しました: %1</translation>
    </message>
    <message>
        <source>%1 commands wait already; send again later.</source>
        <translation>すでに %1 件のコマンドが待っています。あとでもう一度送ってください。</translation>
    </message>
    <message>
        <source>the program is ending.</source>
        <translation>プログラムが終了するところです。</translation>
    </message>
    <message>
        <source>the line is not open; the program opens it by itself when it is back.</source>
        <translation>回線が開いていません。回線が戻るとプログラムが自動で開きます。</translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>the broker %1 cannot be found: %2</source>
        <extracomment>%1 is the broker&apos;s host, %2 the system&apos;s reason.</extracomment>
        <translation>ブローカー %1 が見つかりません: %2</translation>
    </message>
    <message>
        <source>the broker %1 cannot be reached: %2</source>
        <extracomment>%1 is the broker&apos;s host and port, %2 the reason.</extracomment>
        <translation>ブローカー %1 に接続できません: %2</translation>
    </message>
    <message>
        <source>the connection to the broker was lost: %1</source>
        <translation>ブローカーとの接続が切れました: %1</translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <extracomment>%1 is the broker&apos;s reason (not authorised, bad user name or password...).</extracomment>
        <translation>ブローカーが接続を拒否しました: %1</translation>
    </message>
    <message>
        <source>another client connected with the same id (%1); give each projector its own --mqtt-id.</source>
        <translation>同じ ID (%1) でほかのクライアントが接続しました。プロジェクターごとに別の --mqtt-id を指定してください。</translation>
    </message>
    <message>
        <source>the broker stopped answering.</source>
        <translation>ブローカーが応答しなくなりました。</translation>
    </message>
</context>
<context>
    <name>MqttUrl</name>
    <message>
        <source>%1 names no broker: %2</source>
        <extracomment>%1 is the URL given, %2 what is wrong with it.</extracomment>
        <translation>%1 はブローカーを示していません: %2</translation>
    </message>
    <message>
        <source>it begins with mqtt:// or mqtts://.</source>
        <translation>mqtt:// または mqtts:// で始めてください。</translation>
    </message>
    <message>
        <source>the form is mqtt://[USER@]HOST[:PORT].</source>
        <translation>形式は mqtt://[USER@]HOST[:PORT] です。</translation>
    </message>
    <message>
        <source>a password on the command line is seen by every user; give it with --mqtt-password-file or QM5_MQTT_PASSWORD.</source>
        <translation>コマンドラインのパスワードはすべてのユーザーから見えます。--mqtt-password-file または QM5_MQTT_PASSWORD で渡してください。</translation>
    </message>
    <message>
        <source>it has nothing after HOST[:PORT].</source>
        <translation>HOST[:PORT] の後には何も付けないでください。</translation>
    </message>
    <message>
        <source>the port is 1 to 65535.</source>
        <translation>ポート番号は 1～65535 です。</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
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
    <message>
        <source>permission denied. Add the user to the %1 group with this command and log in again:
%2
</source>
        <extracomment>%1 is the device&apos;s group, %2 a shell command line; keep it as it is.</extracomment>
        <translation>アクセス権限がありません。次のコマンドでユーザーを %1 グループに追加し、ログインし直してください:
%2
</translation>
    </message>
    <message>
        <source>permission denied: only %1 may use it (mode %2, group %3), and %4 may not. This command gives it to %4 until it is plugged in again (a udev rule makes that last):
%5
</source>
        <extracomment>%1 is the device&apos;s owner, %2 its mode (rw-------), %3 its group, %4 the user, %5 a shell command line; keep it as it is.</extracomment>
        <translation>アクセス権限がありません: 使用できるのは %1 だけで (モード %2、グループ %3)、%4 は使用できません。次のコマンドで、次に接続し直すまで %4 に渡せます (恒久的には udev ルールを使ってください):
%5
</translation>
    </message>
    <message>
        <source>no such device: check the name.</source>
        <translation>デバイスがありません: 名前を確認してください。</translation>
    </message>
    <message>
        <source>Name another device with --com%1 or in the service&apos;s settings file.</source>
        <translation>--com%1 またはサービスの設定ファイルで別のデバイスを指定してください。</translation>
    </message>
</context>
<context>
    <name>ProjectorSearch</name>
    <message>
        <source>no connection within %1 ms.</source>
        <translation>%1 ms 以内に接続できませんでした。</translation>
    </message>
    <message>
        <source>the panel that has it open did not answer.</source>
        <translation>そのデバイスを開いているパネルが応答しませんでした。</translation>
    </message>
    <message>
        <source>the panel that has it open did not send the query: %1</source>
        <translation>そのデバイスを開いているパネルが問い合わせを送信しませんでした: %1</translation>
    </message>
    <message>
        <source>held exclusively by another program (or another copy of this one).</source>
        <translation>ほかのプログラム (またはこのプログラムの別のコピー) が排他モードで使用中です。</translation>
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
    <message>
        <source>Scripts cannot reach the panel: %1</source>
        <translation>スクリプトからパネルに接続できません: %1</translation>
    </message>
</context>
<context>
    <name>ScriptServer</name>
    <message>
        <source>the socket %1 cannot be listened on: %2.</source>
        <extracomment>%1 is the socket&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>ソケット %1 で接続を待ち受けることができません: %2。</translation>
    </message>
    <message>
        <source>another panel with the same device serves scripts on %1; this panel takes the socket over when that one ends.</source>
        <extracomment>%1 is the socket&apos;s path.</extracomment>
        <translation>同じデバイスを使う別のパネルが %1 でスクリプトを受け付けています。そのパネルが終了すると、このパネルがソケットを引き継ぎます。</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>%1 (%2): no reply within %3 ms.</source>
        <translation>%1 (%2): %3 ms 以内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>the panel did not send it: %1</source>
        <translation>パネルが送信しませんでした: %1</translation>
    </message>
    <message>
        <source>the panel that has %1 (%2) open did not answer.</source>
        <translation>%1 (%2) を開いているパネルが応答しませんでした。</translation>
    </message>
    <message>
        <source>%1 (%2) cannot be opened here, and no panel that may have it open can be reached: %3</source>
        <extracomment>%1 is the port (COM1), %2 the device, %3 why no panel can be reached.</extracomment>
        <translation>%1 (%2) をここで開けません。また、このデバイスを開いている可能性のあるパネルにも接続できません: %3</translation>
    </message>
    <message>
        <source>standard output could not be written.</source>
        <translation>標準出力に書き込めませんでした。</translation>
    </message>
    <message>
        <source>%1 (%2): the projector refused %3.</source>
        <translation>%1 (%2): プロジェクターが %3 を拒否しました。</translation>
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
        <translation>デバイスが接続されしだい、パネルがそのデバイスを自動的に開きます。</translation>
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
    <message>
        <source>The service opens the device by itself as soon as it is there.</source>
        <translation>デバイスが接続されるとすぐに、サービスが自動的に開きます。</translation>
    </message>
    <message>
        <source>The service reconnects by itself when the device is back.</source>
        <translation>デバイスが戻ると、サービスが自動的に再接続します。</translation>
    </message>
</context>
<context>
    <name>Service</name>
    <message>
        <source>%1 cannot be started: %2.</source>
        <extracomment>%1 is the program&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1 を起動できません: %2。</translation>
    </message>
    <message>
        <source>this program only serves: give --serve.</source>
        <translation>このプログラムはサービスとしてだけ動きます: --serve を指定してください。</translation>
    </message>
</context>
<context>
    <name>ServiceSettings</name>
    <message>
        <source>the settings file %1 cannot be read.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>設定ファイル %1 を読めません。</translation>
    </message>
    <message>
        <source>the settings file %1 is not key=value lines.</source>
        <translation>設定ファイル %1 が key=value の行になっていません。</translation>
    </message>
    <message>
        <source>%1: port takes 1 or 2, not &apos;%2&apos;.</source>
        <extracomment>%1 is the settings file, %2 the value found.</extracomment>
        <translation>%1: port には 1 または 2 を指定してください (&apos;%2&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the settings file, %2 what is wrong.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no key &apos;%2&apos;.</source>
        <extracomment>%1 is the settings file, %2 the key.</extracomment>
        <translation>%1: キー &apos;%2&apos; はありません。</translation>
    </message>
</context>
<context>
    <name>ShellLog</name>
    <message>
        <source>%1; going on without a log.</source>
        <translation>%1。ログを記録せずに続行します。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>SocketPath</name>
    <message>
        <source>Set XDG_RUNTIME_DIR to a folder of the user&apos;s own with mode 700, e.g. %1.</source>
        <extracomment>%1 is a shell command line; keep it as it is.</extracomment>
        <translation>XDG_RUNTIME_DIR に、ユーザー自身が所有するモード 700 のフォルダーを設定してください (例: %1)。</translation>
    </message>
    <message>
        <source>the runtime folder %1 is too long: the path of a socket in it would pass the %2 bytes allowed.</source>
        <extracomment>%1 is the folder, %2 the most bytes a local socket&apos;s path may have.</extracomment>
        <translation>ランタイムフォルダー %1 のパスが長すぎます。このフォルダー内のソケットのパスが上限の %2 バイトを超えてしまいます。</translation>
    </message>
    <message>
        <source>the runtime folder %1 is a symbolic link, which Qt does not take.</source>
        <translation>ランタイムフォルダー %1 はシンボリックリンクです。Qt はこれを使いません。</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not there and cannot be made.</source>
        <translation>ランタイムフォルダー %1 は存在せず、作成することもできません。</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not a folder.</source>
        <translation>ランタイムフォルダー %1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>the runtime folder %1 belongs to %2, not to %3.</source>
        <extracomment>%1 is the folder, %2 its owner, %3 the user running the program.</extracomment>
        <translation>ランタイムフォルダー %1 の所有者は %3 ではなく %2 です。</translation>
    </message>
    <message>
        <source>the runtime folder %1 has mode %2, and Qt takes only 700: %3 mends it.</source>
        <extracomment>%1 is the folder, %2 its mode (0777), %3 a shell command line; keep it as it is.</extracomment>
        <translation>ランタイムフォルダー %1 のモードは %2 ですが、Qt は 700 しか受け付けません。%3 で直せます。</translation>
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
    <name>Until</name>
    <message>
        <source>none</source>
        <comment>the last status seen</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 (%2): not %3 within %4 s; the last status seen: %5.</source>
        <translation>%1 (%2): %4 秒以内に %3 になりませんでした。最後に確認した状態: %5。</translation>
    </message>
</context>
<context>
    <name>qm5::DeviceDialog</name>
    <message>
        <source>COM%1 device</source>
        <translation>COM%1 のデバイス</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0, rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>/dev/ttyUSB0、rfc2217://HOST:PORT または socket://HOST:PORT</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>デバイス(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message numerus="yes">
        <source>Asking %n device(s)…</source>
        <translation>
            <numerusform>%n 台のデバイスに問い合わせています…</numerusform>
        </translation>
    </message>
    <message>
        <source>No projector answered.</source>
        <translation>応答したプロジェクターはありません。</translation>
    </message>
    <message numerus="yes">
        <source>A projector answered on %n device(s).</source>
        <translation>
            <numerusform>%n 台のデバイスでプロジェクターが応答しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Asks every device listed, and the one typed, whether a projector is there. Opening a port raises its DTR line, which resets some boards (Arduino-type).</source>
        <translation>一覧のすべてのデバイスと入力したデバイスに、プロジェクターがあるかどうかを問い合わせます。ポートを開くと DTR 線が上がり、一部のボード (Arduino 型) がリセットされます。</translation>
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
    <message>
        <source>the name is not valid UTF-8, and Qt opens only names that are: name the device by a link whose name is.</source>
        <translation>名前が UTF-8 として正しくありません。Qt が開けるのは UTF-8 の名前だけです。UTF-8 の名前のリンクでデバイスを指定してください。</translation>
    </message>
</context>
</TS>
