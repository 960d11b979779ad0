// Cost of decoding and dispatching one full-length answer frame (53 bytes).
#include "link/frameCodec.h"
#include "link/rxFields.h"

#include <QtTest>

class FrameCodecBenchmark : public QObject
{
  Q_OBJECT

private slots:
  void decodeAndDispatchFullFrame()
  {
    QByteArray frame = QByteArray::fromHex("DCBA01000000");
    for (int id : {100, 101, 104, 105, 110, 301, 304, 107, 108, 109, 307})
      frame += QByteArray::fromHex(QByteArray::number(id, 16).rightJustified(4, '0')) +
               QByteArray::fromHex("0102");
    uint8_t x = 0;
    for (char c : frame)
      x ^= static_cast<uint8_t>(c);
    frame.append(char(x ? x : 1)).append("\r\n");
    QCOMPARE(frame.size(), 53);

    RxState rx;
    RxFields fields;
    QBENCHMARK
    {
      if (decodeRxBuffer(frame, rx))
        dispatchFields(rx, fields, true);
    }
    QCOMPARE(fields.rxField307, uint16_t(0x0102));
  }

  void buildRequestFrame()
  {
    TxState tx;
    RxState rx;
    QBENCHMARK
    {
      tx.txPayloadLength = 20;
      buildTxFrame(tx, rx);
    }
  }
};

QTEST_GUILESS_MAIN(FrameCodecBenchmark)
#include "bench_frameCodec.moc"
