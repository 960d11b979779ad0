#include "link/fieldTable.h"
#include "link/frameCodec.h"
#include "link/rxFields.h"

#include <QtTest>

namespace
{
QByteArray hex(const char *text)
{
  return QByteArray::fromHex(text);
}

// An answer frame as the device sends it: DC BA 01 00 00 00, the records, checksum, CR LF.
QByteArray answer(const QByteArray &records)
{
  QByteArray frame = hex("DCBA01000000") + records;
  uint8_t x = 0;
  for (char c : frame)
    x ^= static_cast<uint8_t>(c);
  frame.append(char(x ? x : 0x01)).append("\r\n");
  return frame;
}

struct Receiver {
  RxState rx;
  RxFields fields;
  bool identified = false;
  bool modelCodeChanged = false;

  bool feed(const QByteArray &buffer)
  {
    rx.clearRxRequest = false;
    if (!decodeRxBuffer(buffer, rx))
      return false;
    modelCodeChanged = dispatchFields(rx, fields, identified);
    return true;
  }
};
} // namespace

class FrameCodecTest : public QObject
{
  Q_OBJECT

private slots:
  void buildsTheIdentificationRequest()
  {
    TxState tx;
    RxState rx;
    const QByteArray ids = hex("0001000200030004");
    memcpy(tx.txPayload, ids.constData(), 8);
    tx.txPayloadLength = 8;
    QCOMPARE(buildTxFrame(tx, rx), hex("ABCD0100000800010002000300046B0D0A"));
    QVERIFY(rx.txReady);
    QCOMPARE(tx.txPayloadLength, uint8_t(0));
  }

  void queuedPayloadSetsBit7AndCarriesTheCommand()
  {
    TxState tx;
    RxState rx;
    tx.txPayload[0] = 0x00;
    tx.txPayload[1] = 0x63;
    tx.txPayloadLength = 2;
    tx.txCommand = 20;
    tx.txArgument = 3;
    tx.txPlainCycle = false;
    const QByteArray frame = buildTxFrame(tx, rx);
    QCOMPARE(uint8_t(frame.at(3)), uint8_t(0x80 | 20));
    QCOMPARE(uint8_t(frame.at(4)), uint8_t(3));
    QCOMPARE(uint8_t(frame.at(5)), uint8_t(2));
    QCOMPARE(tx.txCommand, uint8_t(0));
    QCOMPARE(tx.txArgument, uint8_t(0));
  }

  void zeroXorIsSentAsByteTwo()
  {
    TxState tx;
    RxState rx;
    // AB ^ CD ^ 01 ^ 00 ^ 00 ^ 02 ^ 00 ^ y == 0 for y = 0x65.
    tx.txPayload[0] = 0x00;
    tx.txPayload[1] = 0x65;
    tx.txPayloadLength = 2;
    const QByteArray frame = buildTxFrame(tx, rx);
    QCOMPARE(uint8_t(frame.at(frame.size() - 3)), uint8_t(0x01));

    Receiver r;
    // DC ^ BA ^ 01 ^ 00 00 00 ^ 00 ^ 64 ^ 00 ^ v == 0 for v = 0x03: the checksum byte is 01.
    QVERIFY(r.feed(hex("DCBA010000000064000301"
                       "0D0A")));
    QCOMPARE(r.fields.rxField100, uint16_t(3));
  }

  void decodesOnlyCompleteBuffers_data()
  {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("examined");
    QTest::newRow("6 bytes") << hex("DCBA01000D0A") << false;
    QTest::newRow("7 bytes") << hex("DCBA0100000D0A") << true;
    QTest::newRow("no CR LF yet") << answer(hex("00640102")).chopped(1) << false;
    QTest::newRow("no sync pair") << hex("0102030405060D0A") << true;
  }

  void decodesOnlyCompleteBuffers()
  {
    QFETCH(QByteArray, buffer);
    QFETCH(bool, examined);
    Receiver r;
    QVERIFY(!r.feed(buffer));
    QCOMPARE(r.rx.clearRxRequest, examined);
  }

  void acceptsValidFramesOnly_data()
  {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value100");
    const QByteArray good = answer(hex("00640102"));
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 3] = char(badChecksum.at(badChecksum.size() - 3) ^ 0x10);
    QByteArray zeroChecksum = good;
    zeroChecksum[zeroChecksum.size() - 3] = 0;
    QTest::newRow("valid") << good << true << 0x0102;
    QTest::newRow("noise before the frame") << hex("FF00DC13") + good << true << 0x0102;
    QTest::newRow("later frame wins") << answer(hex("00640001")) + good << true << 0x0102;
    QTest::newRow("wrong checksum") << badChecksum << false << 0;
    QTest::newRow("checksum 0") << zeroChecksum << false << 0;
    QTest::newRow("longer than the frame buffer")
        << answer(QByteArray(46, '\0') + hex("00640102")) << false << 0;
    QTest::newRow("a frame with bytes after it") << good + hex("DCBA0D0A") << false << 0;
  }

  void acceptsValidFramesOnly()
  {
    QFETCH(QByteArray, buffer);
    QFETCH(bool, valid);
    QFETCH(int, value100);
    Receiver r;
    QCOMPARE(r.feed(buffer), valid);
    QCOMPARE(int(r.fields.rxField100), value100);
    QVERIFY(r.rx.clearRxRequest);
  }

  // A serial number of 56506 is DC BA on the wire: the frame must still be found.
  void syncPairInsideAValueDoesNotHideTheFrame()
  {
    Receiver r;
    QVERIFY(r.feed(answer(hex("0003"
                              "0000DCBA"
                              "00640007"))));
    QCOMPARE(r.fields.rxField3[0], 56506u);
    QCOMPARE(r.fields.rxField100, uint16_t(7));
    QVERIFY(r.feed(hex("0D0A00") + answer(hex("00030000DCBA"))));
  }

  void dispatchesEveryFieldKind()
  {
    Receiver r;
    QVERIFY(r.feed(answer(hex("0258"
                              "00012345" // 600: u32
                              "025B"
                              "07" // 603: one byte
                              "0005"
                              "02" // sub devices
                              "0058"
                              "01020304" // 88: first two bytes only
                              "0132"
                              "00010002" // 306: two u16
                              "0519"
                              "001E" // 1305 with its text
                              "0063"
                              "05")))); // 99: bit 0 only
    QCOMPARE(r.fields.rxField600, 0x12345u);
    QCOMPARE(r.fields.rxField603, uint8_t(7));
    QCOMPARE(r.fields.subDeviceCount, uint8_t(2));
    QCOMPARE(r.fields.rxField88a, uint8_t(1));
    QCOMPARE(r.fields.rxField88b, uint8_t(2));
    QCOMPARE(r.fields.rxField306a, uint16_t(1));
    QCOMPARE(r.fields.rxField306b, uint16_t(2));
    QCOMPARE(r.fields.rxField1305Text, QStringLiteral("30s"));
    QCOMPARE(r.fields.rxField99, uint8_t(1));
    QVERIFY(r.rx.newDataAvailable);
  }

  void subDeviceFieldsGoToTheirSlot()
  {
    Receiver r;
    QVERIFY(r.feed(answer(hex("0006"
                              "02"
                              "0001"
                              "00000002"
                              "051D"
                              "00000E10"))));
    QCOMPARE(r.fields.rxField1[2], 2u);
    QCOMPARE(r.fields.rxField1309[2], 3600u);
    QCOMPARE(r.fields.rxField1309Text[2], QStringLiteral("3600"));
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(3));
    QCOMPARE(r.rx.currentSubDevice, uint8_t(0));

    // The next frame without field 6 talks about the UPS again.
    QVERIFY(r.feed(answer(hex("0001000BF034"))));
    QCOMPARE(r.fields.rxField1[0], 0xBF034u);
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(1));
  }

  // The identified device repeating its model code announces nothing; another code of the UPS
  // (not of a sub device) is reported and announces the slot for a new identification.
  void identifiedDeviceAnnouncesOnlyAnotherModel()
  {
    Receiver r;
    r.identified = true;
    QVERIFY(r.feed(answer(hex("0001000BF034"))));
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(0));
    QVERIFY(!r.modelCodeChanged); // the first code after the start is no change
    QVERIFY(r.feed(answer(hex("0001000BF034"))));
    QVERIFY(!r.modelCodeChanged);
    QVERIFY(r.feed(answer(hex("000600"
                              "0001000BE030"))));
    QVERIFY(r.modelCodeChanged);
    QCOMPARE(r.fields.rxField1[0], 0xBE030u);
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(1));
    r.fields.subDevicesSeen = 0;
    QVERIFY(r.feed(answer(hex("000601"
                              "00010000000A"))));
    QVERIFY(!r.modelCodeChanged);
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(0));
  }

  void subDeviceIndexPastTheSlotsStoresNothing()
  {
    Receiver r;
    QVERIFY(r.feed(answer(hex("0006"
                              "07"
                              "0001"
                              "0000ABCD"
                              "0066"
                              "1234"
                              "0064"
                              "0042"))));
    for (int i = 0; i < subDeviceSlots; ++i) {
      QCOMPARE(r.fields.rxField1[i], 0u);
      QCOMPARE(r.fields.rxField102[i], uint16_t(0));
    }
    QCOMPARE(r.fields.subDevicesSeen, uint8_t(0));
    QCOMPARE(r.fields.rxField100, uint16_t(0x42)); // plain fields still count
    QCOMPARE(r.rx.currentSubDevice, uint8_t(0));
  }

  void walkSkipsUnknownIdsAndReadsZeroPastTheFrame()
  {
    Receiver r;
    // Unknown id 0x0999 with one value byte, then 100; then 600 with only one of its four bytes.
    QVERIFY(r.feed(answer(hex("0999"
                              "55"
                              "0064"
                              "0102"
                              "0258"
                              "AA"))));
    QCOMPARE(r.fields.rxField100, uint16_t(0x0102));
    QCOMPARE(r.fields.rxField600, 0xAA000000u);
  }

  void fullLengthFrameFillsTheBuffer()
  {
    Receiver r;
    QByteArray records;
    for (int id : {100, 101, 104, 105, 110, 301, 304, 107, 108, 109, 307}) // 11 × 4 bytes = 44 bytes
      records += QByteArray::fromHex(QByteArray::number(id, 16).rightJustified(4, '0')) + hex("0102");
    const QByteArray frame = answer(records);
    QCOMPARE(frame.size(), 53);
    QVERIFY(r.feed(frame));
    QCOMPARE(r.fields.rxField307, uint16_t(0x0102));
  }

  void fieldTableHasItsFiftyRowsInOrder()
  {
    QCOMPARE(fieldTable[0].id, uint16_t(1));
    QCOMPARE(fieldTable[5].id, uint16_t(6));
    QCOMPARE(fieldTable[35].id, uint16_t(5));
    QCOMPARE(fieldTable[49].id, uint16_t(1311));
    QVERIFY(!findFieldRow(1312, 46));
    QVERIFY(findFieldRow(1312, 47));
  }
};

QTEST_GUILESS_MAIN(FrameCodecTest)
#include "tst_frameCodec.moc"
