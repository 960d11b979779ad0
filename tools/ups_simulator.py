#!/usr/bin/python3
"""Simulated Norvex UPS on a pseudo-terminal, for running Talvane without hardware.

The simulator opens one or more pseudo-terminal pairs and prints one line
"PTY <slave path>" per pair before anything else.  The application opens the slave like a
serial port; the simulator reads request frames on the master end and answers them the
way a device does.  Only one port answers (--answer-on); the others only log what they
receive, so port scanning can be exercised.

Everything the simulator does is logged on stdout, one line per event, flushed at once:

    PTY <path>                          one per port, in port order, before anything else
    DEVICE <name> code=0x... family=... subdevices=N mode=M answer=K
    OPEN <k> / CLOSE <k>                the application opened / closed the slave of port k
    RX <baud> <hex>                     a request frame with a good checksum (answering port)
    BADRX <baud> <hex>                  a request frame with a wrong checksum (not answered)
    NOISE <hex>                         bytes on the answering port that belong to no frame
    PORTRX <k> <baud> <hex>             bytes received on a port that does not answer
    UNKNOWN <id> sub=<s>                a requested id the device does not know (skipped)
    TRUNC <hex>                         a payload that ends inside a record
    WRITE <id>=<value> sub=<s> cmd=<c> arg=<a>
    FACTORY                             factory defaults restored (field 9 = 0xAAAA)
    CALIB <hex>                         calibration record (command 8, field 88): code, step
                                        (01 start, 10 value, F0 01 finish), value; answered
                                        in field 88 with the code and 01 ("OK") or 00
    CHARGER off                         charger shut down (VS firmware-update preparation)
    FUSERESET                           fuse operation reset (VS, field 602 bit 0)
    TX <hex> / TXBAD <hex>              an answer sent (TXBAD: checksum corrupted on purpose)
    TXNOISE <hex> / TXZERO <hex>        raw bytes sent by "noise" / at a wrong line speed
    LONG <bytes> dropped=<n>            answer cut to 53 bytes (records dropped at the end)
    SKIP <reason>                       a valid request not answered (silent, drop, baud,
                                        closed)
    CMD <text>                          a command from stdin or the script was executed
    BADCMD <text>: <reason>             a command that could not be executed
    EOF stdin                           stdin was closed (the simulator keeps running)
    EXIT <reason>                       last line

Commands (stdin lines, or "cmd" of a --script step):
    set <id> <value> [sub]   change a field (value decimal or 0x hex)
    mode <name>              switch the operating state
    silent on|off            stop / resume answering (requests are still logged)
    drop <n>                 leave the next n requests unanswered
    noise <hex bytes>        write raw bytes to the application at once
    badchecksum <n>          corrupt the checksum of the next n answers
    garbage-before on|off    put a few noise bytes in front of every answer
    split on|off             send every answer in two parts, 20 ms apart
    dcba-in-value            set field 3 of the UPS to 0xDCBA (sync pair inside a value)
    delay <ms>               answer delay
    answer-on <k>            make port k the answering port
    subdevices <n>           number of sub devices (field 5)
    model-code <hex>         model code reported by the UPS (field 1)
    factory                  restore the preset's parameters
    quit                     exit

Standard library only; run with /usr/bin/python3.
"""

import argparse
import errno
import fcntl
import json
import os
import select
import signal
import struct
import sys
import termios
import time
import tty

# The presets live beside this file; no byte-code cache is left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import simulator_presets as presets  # noqa: E402

REQUEST_SYNC = b"\xAB\xCD"
ANSWER_HEADER = bytes([0xDC, 0xBA, 0x01, 0x00, 0x00, 0x00])
MAX_ANSWER_BYTES = 53          # the application's receive frame holds 54 bytes
STALE_PARTIAL_S = 0.5          # an incomplete frame is dropped after this much quiet
CLOSED_CHECK_S = 0.02          # how often a closed slave is checked for being reopened
SPLIT_GAP_S = 0.02
FACTORY_VALUE = 0xAAAA
FACTORY_ID = 9
CALIBRATION_COMMAND = 8
CALIBRATION_ID = 88
CALIBRATION_STEPS = (0x01, 0x10)  # start, value
CALIBRATION_FINISH = 0xF0
ACK_ID = 99
DCBA_VALUE = 0xDCBA
NOISE_AVOID = frozenset({0xDC, 0xBA, 0xAB, 0xCD, 0x0D, 0x0A})

_SPEEDS = {}
for _rate in (50, 75, 110, 134, 150, 200, 300, 600, 1200, 1800, 2400, 4800, 9600, 19200,
              38400, 57600, 115200, 230400, 460800, 500000, 576000, 921600, 1000000,
              1152000, 1500000, 2000000, 2500000, 3000000, 3500000, 4000000):
    _const = getattr(termios, "B%d" % _rate, None)
    if _const is not None:
        _SPEEDS[_const] = _rate
_BOTHER = 0o010000
_TCGETS2 = 0x802C542A


def checksum(data):
    """XOR of all bytes; a result of 0 is replaced by the byte at offset 2."""
    value = 0
    for byte in data:
        value ^= byte
    return value if value else data[2]


def hexs(data):
    return " ".join("%02X" % b for b in data)


def line_speed(fd):
    """Baud rate the application set on the slave (the master reports the slave's
    settings).  Speeds without a B constant are read with TCGETS2."""
    try:
        attrs = termios.tcgetattr(fd)
    except termios.error:
        return 0
    speed = attrs[5]
    if speed in _SPEEDS:
        return _SPEEDS[speed]
    if speed == _BOTHER:
        try:
            buf = bytearray(44)
            fcntl.ioctl(fd, _TCGETS2, buf)
            return struct.unpack_from("II", buf, 36)[1]
        except OSError:
            pass
    return speed


def parse_int(text):
    return int(text, 0)


def parse_hex_bytes(text):
    cleaned = text.replace(",", " ").replace("0x", "").replace("0X", "")
    digits = "".join(cleaned.split())
    if len(digits) % 2:
        raise ValueError("odd number of hex digits")
    return bytes.fromhex(digits)


class Log:
    """One line per event on stdout, flushed at once; a closed stdout is ignored."""

    def __init__(self):
        self.broken = False

    def __call__(self, text):
        if self.broken:
            return
        try:
            sys.stdout.write(text + "\n")
            sys.stdout.flush()
        except (BrokenPipeError, OSError):
            self.broken = True


class Port:
    """One pseudo-terminal pair; the simulator keeps the master end."""

    def __init__(self, index):
        self.index = index
        self.master, slave = os.openpty()
        self.path = os.ttyname(slave)
        tty.setraw(slave)
        attrs = termios.tcgetattr(slave)
        attrs[2] = (attrs[2] & ~(termios.CSIZE | termios.PARENB | termios.CSTOPB)) \
            | termios.CS8 | termios.CREAD | termios.CLOCAL
        attrs[4] = attrs[5] = termios.B9600
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        # Our own slave descriptor is closed: the port counts as open only while the
        # application holds it.
        os.close(slave)
        flags = fcntl.fcntl(self.master, fcntl.F_GETFL)
        fcntl.fcntl(self.master, fcntl.F_SETFL, flags | os.O_NONBLOCK)
        self.poller = select.poll()
        self.poller.register(self.master, select.POLLIN)
        self.is_open = False
        self.next_check = 0.0
        self.rx = bytearray()
        self.rx_time = 0.0
        self.out = bytearray()
        self.links = []

    def hung_up(self):
        """True while no one holds the slave open."""
        for _fd, events in self.poller.poll(0):
            if events & select.POLLHUP:
                return True
        return False

    def read_all(self):
        """Bytes waiting on the master; None when the slave is closed and nothing waits."""
        chunks = []
        while True:
            try:
                data = os.read(self.master, 4096)
            except BlockingIOError:
                break
            except OSError as exc:
                if exc.errno == errno.EIO:
                    return b"".join(chunks) if chunks else None
                raise
            if not data:
                break
            chunks.append(data)
        return b"".join(chunks)

    def drop_output(self):
        """Forget what was written but not yet read: a real line does not keep it."""
        self.out.clear()
        try:
            termios.tcflush(self.master, termios.TCOFLUSH)
        except termios.error:
            pass

    def close(self):
        try:
            os.close(self.master)
        except OSError:
            pass


class Device:
    """The field store of one UPS and its sub devices, and how requests change it."""

    def __init__(self, preset, log, sub_devices=None, model_code=None, storage_code=None):
        self.preset = preset
        self.log = log
        self.family = preset["family"]
        self.modes = presets.modes_for(preset)
        self.fields = {}
        self.subs = [dict() for _ in range(presets.MAX_SUB + 1)]
        self.storage_code = storage_code
        self.ack = 0
        self.mode = None
        for fid, value in preset["fields"].items():
            self._store(fid, value, 0)
        for index in range(1, presets.MAX_SUB + 1):
            self.subs[index] = presets.sub_device_fields(preset, index, storage_code)
        if sub_devices is not None:
            self.fields[presets.SUB_COUNT_ID] = sub_devices
        if model_code is not None:
            self.subs[0][1] = model_code
        self._refresh_storage_flag()

    # -- store -----------------------------------------------------------------------

    def _store(self, fid, value, sub):
        size = presets.ANSWER_SIZES.get(fid, 4)
        value &= (1 << (8 * size)) - 1
        if fid in presets.PER_SUB_FIELDS:
            if 0 <= sub <= presets.MAX_SUB:
                self.subs[sub][fid] = value
        elif fid == presets.SUB_SELECT_ID:
            pass
        else:
            self.fields[fid] = value

    def sub_count(self):
        return self.fields.get(presets.SUB_COUNT_ID, 0)

    def sub_exists(self, sub):
        return 1 <= sub <= min(self.sub_count(), presets.MAX_SUB)

    def get(self, fid, sub=0):
        if fid in presets.PER_SUB_FIELDS:
            if sub == 0 or self.sub_exists(sub):
                return self.subs[sub].get(fid, 0)
            return 0        # a missing sub device reports model code 0 and zeros
        if fid == ACK_ID:
            return self.ack
        return self.fields.get(fid, 0)

    def set(self, fid, value, sub=0):
        if fid == ACK_ID:
            self.ack = 1 if value else 0
            return
        self._store(fid, value, sub)
        if fid == presets.SUB_COUNT_ID:
            self._refresh_storage_flag()

    def _refresh_storage_flag(self):
        # Relay word bit 1 set = no storage connected.  Battery models have their
        # storage as sub device (the battery module); capacitor models carry their
        # store inside, so for them the bit stays clear.
        relay = self.fields.get(601, 0) & ~0x0002
        if self.sub_count() == 0 and self.preset["storage"] == "battery":
            relay |= 0x0002
        self.fields[601] = relay

    # -- operating states ---------------------------------------------------------------

    def _resolve(self, value):
        if isinstance(value, int):
            return value
        if value.startswith("@"):
            return self.get(int(value[1:]))
        return self.preset["levels"][value]

    def apply_mode(self, name):
        entry = self.modes[name]
        self.fields[600] = entry["status"]
        for fid, value in entry["fields"].items():
            self._store(fid, self._resolve(value), 0)
        storage = self._resolve(entry["storage"])
        for index in range(presets.MAX_SUB + 1):
            self.subs[index][102] = storage
        self.mode = name

    def factory_defaults(self):
        for fid in presets.PARAMETER_IDS:
            if fid in self.preset["fields"]:
                self._store(fid, self.preset["fields"][fid], 0)

    # -- requests -----------------------------------------------------------------------

    def parse_payload(self, payload, queued, command):
        """Records of a request payload: ("sel", s), ("read", id, sub),
        ("write", id, value, size, sub), ("calib", bytes)."""
        records = []
        sub = 0
        i = 0
        while i < len(payload):
            if i + 2 > len(payload):
                self.log("TRUNC %s" % hexs(payload[i:]))
                break
            fid = (payload[i] << 8) | payload[i + 1]
            i += 2
            if fid == presets.SUB_SELECT_ID:
                size = 1
            elif not queued:
                records.append(("read", fid, sub))
                continue
            elif command == CALIBRATION_COMMAND and fid == CALIBRATION_ID:
                # A calibration record carries the calibration code, the step and an
                # optional value after the id: the rest of the payload.
                records.append(("calib", bytes(payload[i:])))
                i = len(payload)
                continue
            else:
                size = presets.request_value_size(fid)
            if i + size > len(payload):
                self.log("TRUNC %s" % hexs(payload[i - 2:]))
                break
            value = int.from_bytes(payload[i:i + size], "big")
            i += size
            if fid == presets.SUB_SELECT_ID:
                sub = value
                records.append(("sel", value))
            elif size == 0:
                records.append(("read", fid, sub))
            else:
                records.append(("write", fid, value, size, sub))
        return records

    def write(self, fid, value, size, sub, command, argument):
        self.log("WRITE %d=%d sub=%d cmd=%d arg=%d" % (fid, value, sub, command, argument))
        if fid == FACTORY_ID and value == FACTORY_VALUE:
            self.factory_defaults()
            self.log("FACTORY")
        elif fid == 306 and size == 2:
            # A two-byte write sets the first of the two 16-bit values.
            self.fields[306] = (value << 16) | (self.fields.get(306, 0) & 0xFFFF)
        elif fid in presets.PER_SUB_FIELDS and sub > presets.MAX_SUB:
            pass
        else:
            self.set(fid, value, sub)
        if self.family == "VS":
            self._capacitor_write_effects(fid, value, sub)
        self.ack = 1

    def _capacitor_write_effects(self, fid, value, sub):
        if fid == 602 and value & 0x0001:
            # Bit 0 is a one-shot "reset fuse operation": leave fuse operation.
            self.fields[602] = value & ~0x0001
            if self.fields.get(600, 0) & (1 << 8):
                self.fields[600] &= ~(1 << 8)
                if self.mode == "overload":
                    self.apply_mode("mains")
            self.log("FUSERESET")
        elif fid == 4 and sub == 1 and value == self.subs[0].get(4):
            # Before a firmware update the application shuts the charger down by sending
            # the UPS serial number as sub device 1's serial number.
            self.fields[104] = 0
            self.log("CHARGER off")

    def calibrate(self, data):
        self.log("CALIB %s" % hexs(data))
        code = data[0] if data else 0
        step = data[1] if len(data) > 1 else 0
        # First byte: the calibration code; second byte not 0: "OK". A start (01), a value (10)
        # and the finish (F0 01) are acknowledged; a step the device does not know is not.
        known = step in CALIBRATION_STEPS and (code != CALIBRATION_FINISH or step == 0x01)
        self.fields[CALIBRATION_ID] = (code << 24) | ((0x01 if known else 0x00) << 16)

    def answer_records(self, records):
        """Field records of the answer, in request order, and the count of unknown ids."""
        out = []
        for record in records:
            kind = record[0]
            if kind == "sel":
                out.append(bytes([0x00, presets.SUB_SELECT_ID, record[1] & 0xFF]))
                continue
            if kind == "calib":
                fid, sub = CALIBRATION_ID, 0
            else:
                fid, sub = record[1], record[-1]
            size = presets.ANSWER_SIZES.get(fid)
            if size is None:
                if kind == "read":
                    self.log("UNKNOWN %d sub=%d" % (fid, sub))
                continue
            value = self.get(fid, sub)
            if fid == ACK_ID:
                self.ack = 0            # reported once, then cleared
            value &= (1 << (8 * size)) - 1
            out.append(fid.to_bytes(2, "big") + value.to_bytes(size, "big"))
        return out

    def handle_request(self, frame):
        command = frame[3]
        argument = frame[4]
        length = frame[5]
        payload = frame[6:6 + length]
        queued = bool(command & 0x80)
        code = command & 0x7F
        records = self.parse_payload(payload, queued, code)
        for record in records:
            if record[0] == "write":
                _, fid, value, size, sub = record
                self.write(fid, value, size, sub, code, argument)
            elif record[0] == "calib":
                self.calibrate(record[1])
        return self.answer_records(records)


class Simulator:
    def __init__(self, args, preset):
        self.log = Log()
        self.args = args
        self.device = Device(preset, self.log, args.sub_devices, args.model_code,
                             args.storage_code)
        self.device.apply_mode(args.mode)
        self.ports = []
        self.answer_on = args.answer_on
        self.delay_s = args.delay_ms / 1000.0
        self.silent = False
        self.drop = 0
        self.bad_checksums = 0
        self.garbage = False
        self.split = False
        self.garbage_state = 0x5A
        self.pending = []          # (due, sequence, port index, bytes, log prefix)
        self.sequence = 0
        self.script = []
        self.stop_reason = None
        self.stdin_open = True
        self.start = time.monotonic()

    # -- set-up ---------------------------------------------------------------------------

    def open_ports(self):
        for index in range(self.args.ports):
            self.ports.append(Port(index))
        for index, link in enumerate(self.args.link or []):
            if index >= len(self.ports):
                break
            make_link(link, self.ports[index].path)
            self.ports[index].links.append(link)
        for port in self.ports:
            self.log("PTY %s" % port.path)
        d = self.device
        self.log("DEVICE %s code=0x%08X family=%s subdevices=%d mode=%s answer=%d" % (
            d.preset["name"], d.get(1), d.family, d.sub_count(), d.mode, self.answer_on))

    def load_script(self, path):
        with open(path, "r", encoding="utf-8") as handle:
            steps = json.load(handle)
        if not isinstance(steps, list):
            raise ValueError("the script must be a JSON list of steps")
        script = []
        for number, step in enumerate(steps):
            if not isinstance(step, dict) or "at" not in step:
                raise ValueError("step %d has no \"at\"" % number)
            script.append((float(step["at"]), number, step_text(step)))
        script.sort()
        self.script = script

    def close(self):
        for port in self.ports:
            for link in port.links:
                remove_link(link, port.path)
            port.close()

    # -- commands ---------------------------------------------------------------------------

    def command(self, text):
        text = text.strip()
        if not text or text.startswith("#"):
            return
        parts = text.split()
        verb = parts[0].lower()
        try:
            action = self._prepare(verb, parts[1:], text)
        except (ValueError, KeyError, IndexError) as exc:
            self.log("BADCMD %s: %s" % (text, exc))
            return
        self.log("CMD %s" % text)
        action()

    def _prepare(self, verb, rest, text):
        """Checks a command and returns what executes it."""
        d = self.device

        def on_off(values):
            if len(values) != 1 or values[0].lower() not in ("on", "off"):
                raise ValueError("expected on or off")
            return values[0].lower() == "on"

        if verb == "set":
            if len(rest) not in (2, 3):
                raise ValueError("usage: set <id> <value> [sub]")
            fid, value = parse_int(rest[0]), parse_int(rest[1])
            sub = parse_int(rest[2]) if len(rest) == 3 else 0
            if not 0 <= sub <= presets.MAX_SUB:
                raise ValueError("sub device index 0..3")
            return lambda: d.set(fid, value, sub)
        if verb == "mode":
            if len(rest) != 1 or rest[0] not in d.modes:
                raise ValueError("modes of this family: %s" % ", ".join(d.modes))
            return lambda: d.apply_mode(rest[0])
        if verb == "silent":
            state = on_off(rest)
            return lambda: setattr(self, "silent", state)
        if verb == "drop":
            count = parse_int(rest[0])
            return lambda: setattr(self, "drop", count)
        if verb == "noise":
            data = parse_hex_bytes(text.split(None, 1)[1] if rest else "")
            if not data:
                raise ValueError("no bytes")
            return lambda: self.send_now(data, "TXNOISE")
        if verb == "badchecksum":
            count = parse_int(rest[0])
            return lambda: setattr(self, "bad_checksums", count)
        if verb == "garbage-before":
            state = on_off(rest)
            return lambda: setattr(self, "garbage", state)
        if verb == "split":
            state = on_off(rest)
            return lambda: setattr(self, "split", state)
        if verb == "dcba-in-value":
            return lambda: d.set(3, DCBA_VALUE, 0)
        if verb == "delay":
            delay = parse_int(rest[0])
            return lambda: setattr(self, "delay_s", delay / 1000.0)
        if verb == "answer-on":
            index = parse_int(rest[0])
            if not 0 <= index < len(self.ports):
                raise ValueError("port index 0..%d" % (len(self.ports) - 1))
            return lambda: self._answer_on(index)
        if verb == "subdevices":
            count = parse_int(rest[0])
            if not 0 <= count <= presets.MAX_SUB:
                raise ValueError("0..3")
            return lambda: d.set(presets.SUB_COUNT_ID, count)
        if verb == "model-code":
            code = int(rest[0], 16)
            return lambda: d.set(1, code, 0)
        if verb == "factory":
            return d.factory_defaults
        if verb == "quit":
            return lambda: setattr(self, "stop_reason", "quit")
        raise ValueError("unknown command")

    def _answer_on(self, index):
        self.answer_on = index
        for port in self.ports:
            port.rx.clear()

    # -- receive --------------------------------------------------------------------------

    def received(self, port, data, now):
        if port.index != self.answer_on:
            self.log("PORTRX %d %d %s" % (port.index, line_speed(port.master), hexs(data)))
            return
        port.rx += data
        port.rx_time = now
        self.parse(port)

    def parse(self, port):
        buf = port.rx
        noise = bytearray()
        while buf:
            start = buf.find(REQUEST_SYNC)
            if start < 0:
                # Keep a trailing 0xAB: it may be the first half of the sync pair.
                keep = 1 if buf[-1] == REQUEST_SYNC[0] else 0
                noise += buf[:len(buf) - keep]
                del buf[:len(buf) - keep]
                break
            if start:
                noise += buf[:start]
                del buf[:start]
            if len(buf) < 6:
                break
            total = buf[5] + 9
            if len(buf) < total:
                later = self._later_frame(buf)
                if later:
                    noise += buf[:later]
                    del buf[:later]
                    continue
                break
            frame = bytes(buf[:total])
            if frame[-2:] != b"\r\n":
                # Not a frame after all: resynchronise after this sync byte.
                noise += buf[:1]
                del buf[:1]
                continue
            del buf[:total]
            if noise:
                self.log("NOISE %s" % hexs(noise))
                noise = bytearray()
            self.frame(port, frame)
        if noise:
            self.log("NOISE %s" % hexs(noise))

    @staticmethod
    def _later_frame(buf):
        """Start of a later complete, well-formed request inside an incomplete one, so
        that a stray sync pair followed by a large length byte does not swallow it."""
        position = buf.find(REQUEST_SYNC, 1)
        while position > 0:
            if len(buf) - position >= 9:
                total = buf[position + 5] + 9
                if len(buf) - position >= total:
                    candidate = buf[position:position + total]
                    if candidate[-2:] == b"\r\n" and \
                            checksum(candidate[:-3]) == candidate[-3]:
                        return position
            position = buf.find(REQUEST_SYNC, position + 1)
        return 0

    def frame(self, port, frame):
        baud = line_speed(port.master)
        body = frame[:-3]
        if checksum(body) != frame[-3]:
            self.log("BADRX %d %s" % (baud, hexs(frame)))
            return
        self.log("RX %d %s" % (baud, hexs(frame)))
        # A silent device, or one listening at another line speed, does not take the
        # request in at all; a dropped answer is lost on the way back.
        if self.silent:
            self.log("SKIP silent")
            return
        if self.args.baud and baud != self.args.baud:
            if self.args.mismatch_zeros:
                self.schedule(port, bytes(8), "TXZERO")
            else:
                self.log("SKIP baud %d" % baud)
            return
        records = self.device.handle_request(frame)
        if self.drop:
            self.drop -= 1
            self.log("SKIP drop")
            return
        self.schedule(port, self.build_answer(records), None)

    def build_answer(self, records):
        used = len(ANSWER_HEADER) + 3
        kept = []
        for record in records:
            if used + len(record) > MAX_ANSWER_BYTES and not self.args.allow_long:
                break
            kept.append(record)
            used += len(record)
        if len(kept) < len(records):
            full = len(ANSWER_HEADER) + 3 + sum(len(r) for r in records)
            self.log("LONG %d dropped=%d" % (full, len(records) - len(kept)))
        body = ANSWER_HEADER + b"".join(kept)
        return body + bytes([checksum(body)]) + b"\r\n"

    # -- transmit --------------------------------------------------------------------------

    def schedule(self, port, data, prefix):
        self.sequence += 1
        self.pending.append((time.monotonic() + self.delay_s, self.sequence, port.index,
                             data, prefix))

    def _noise_bytes(self):
        count = 2 + self.sequence % 4
        out = bytearray()
        while len(out) < count:
            self.garbage_state = (self.garbage_state * 73 + 41) & 0xFF
            if self.garbage_state not in NOISE_AVOID:
                out.append(self.garbage_state)
        return bytes(out)

    def send_pending(self, now):
        due = sorted(p for p in self.pending if p[0] <= now)
        self.pending = [p for p in self.pending if p[0] > now]
        for _due, _seq, index, data, prefix in due:
            port = self.ports[index]
            if prefix == "PART":
                self.write_port(port, data)
                continue
            if port.hung_up():
                self.log("SKIP closed")
                self.port_closed(port)
                continue
            tag = prefix or "TX"
            if prefix is None:
                if self.bad_checksums:
                    self.bad_checksums -= 1
                    data = bytearray(data)
                    bad = data[-3] ^ 0x5A
                    data[-3] = bad if bad else data[-3] ^ 0xA5
                    data = bytes(data)
                    tag = "TXBAD"
                if self.garbage:
                    data = self._noise_bytes() + data
            self.log("%s %s" % (tag, hexs(data)))
            if self.split and prefix is None and len(data) > 1:
                half = len(data) // 2
                self.write_port(port, data[:half])
                self.sequence += 1
                self.pending.append((now + SPLIT_GAP_S, self.sequence, index,
                                     data[half:], "PART"))
            else:
                self.write_port(port, data)

    def send_now(self, data, tag):
        port = self.ports[self.answer_on]
        self.log("%s %s" % (tag, hexs(data)))
        if port.hung_up():
            self.log("SKIP closed")
            return
        self.write_port(port, data)

    def write_port(self, port, data):
        port.out += data
        self.flush_port(port)

    def flush_port(self, port):
        while port.out:
            try:
                written = os.write(port.master, port.out)
            except BlockingIOError:
                return
            except OSError as exc:
                if exc.errno == errno.EIO:
                    self.port_closed(port)
                    return
                raise
            del port.out[:written]

    # -- port state --------------------------------------------------------------------------

    def port_closed(self, port):
        if port.is_open:
            self.log("CLOSE %d" % port.index)
        port.is_open = False
        port.next_check = time.monotonic() + CLOSED_CHECK_S
        port.drop_output()
        if port.rx:
            self.log("NOISE %s" % hexs(port.rx))
            port.rx.clear()
        self.pending = [p for p in self.pending if p[2] != port.index]

    def check_closed_ports(self, now):
        for port in self.ports:
            if port.is_open or now < port.next_check:
                continue
            port.next_check = now + CLOSED_CHECK_S
            hung_up = port.hung_up()
            data = port.read_all()
            if data:
                # Opened, written and maybe closed again between two checks.
                if not port.is_open:
                    self.log("OPEN %d" % port.index)
                    port.is_open = True
                self.received(port, data, now)
                if hung_up:
                    self.port_closed(port)
            elif not hung_up and data is not None:
                self.log("OPEN %d" % port.index)
                port.is_open = True

    # -- main loop --------------------------------------------------------------------------

    def run(self):
        wake_r, wake_w = os.pipe()
        for fd in (wake_r, wake_w):
            fcntl.fcntl(fd, fcntl.F_SETFL, fcntl.fcntl(fd, fcntl.F_GETFL) | os.O_NONBLOCK)
        signal.set_wakeup_fd(wake_w)

        def on_signal(number, _frame):
            self.stop_reason = signal.Signals(number).name

        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(number, on_signal)

        try:
            stdin_fd = sys.stdin.fileno()
            os.fstat(stdin_fd)
        except (AttributeError, ValueError, OSError):
            stdin_fd = None
            self.stdin_open = False
        stdin_buf = b""

        while self.stop_reason is None:
            now = time.monotonic()
            self.check_closed_ports(now)
            self.run_script(now)
            self.send_pending(now)
            for port in self.ports:
                if port.rx and now - port.rx_time > STALE_PARTIAL_S:
                    self.log("NOISE %s" % hexs(port.rx))
                    port.rx.clear()
            if self.stop_reason is not None:
                break

            poller = select.poll()
            poller.register(wake_r, select.POLLIN)
            if self.stdin_open:
                poller.register(stdin_fd, select.POLLIN)
            by_fd = {}
            for port in self.ports:
                if port.is_open:
                    mask = select.POLLIN | (select.POLLOUT if port.out else 0)
                    poller.register(port.master, mask)
                    by_fd[port.master] = port
            poller_timeout = self.next_wakeup(now)
            try:
                events = poller.poll(poller_timeout)
            except InterruptedError:
                continue
            now = time.monotonic()
            for fd, mask in events:
                if fd == wake_r:
                    try:
                        os.read(wake_r, 256)
                    except OSError:
                        pass
                elif fd == stdin_fd and self.stdin_open:
                    try:
                        data = os.read(stdin_fd, 4096)
                    except OSError:
                        data = b""
                    if not data:
                        self.stdin_open = False
                        if stdin_buf.strip():
                            self.command(stdin_buf.decode("utf-8", "replace"))
                        stdin_buf = b""
                        self.log("EOF stdin")
                        continue
                    stdin_buf += data
                    while b"\n" in stdin_buf:
                        line, stdin_buf = stdin_buf.split(b"\n", 1)
                        self.command(line.decode("utf-8", "replace"))
                        if self.stop_reason is not None:
                            break
                elif fd in by_fd:
                    port = by_fd[fd]
                    if mask & select.POLLOUT:
                        self.flush_port(port)
                    if mask & (select.POLLIN | select.POLLHUP | select.POLLERR):
                        data = port.read_all()
                        if data:
                            self.received(port, data, now)
                        if data is None or (mask & select.POLLHUP and port.hung_up()):
                            self.port_closed(port)
        signal.set_wakeup_fd(-1)
        os.close(wake_r)
        os.close(wake_w)
        self.log("EXIT %s" % self.stop_reason)

    def next_wakeup(self, now):
        """Poll timeout in ms: the next due answer, script step, closed-port check or
        stale partial frame."""
        times = [p[0] for p in self.pending]
        if self.script:
            times.append(self.start + self.script[0][0])
        for port in self.ports:
            if not port.is_open:
                times.append(port.next_check)
            if port.rx:
                times.append(port.rx_time + STALE_PARTIAL_S + 0.001)
        if not times:
            return 1000
        return max(0, int((min(times) - now) * 1000) + 1)

    def run_script(self, now):
        while self.script and self.start + self.script[0][0] <= now:
            _at, _number, text = self.script.pop(0)
            self.command(text)
            if self.stop_reason is not None:
                return


def step_text(step):
    """Command text of a script step: {"at": 1, "cmd": "silent on"}, or a command name as
    key: {"at": 1, "mode": "buffer"}, {"at": 1, "set": [600, 3]}, {"at": 1,
    "silent": true}, {"at": 1, "quit": true}."""
    if "cmd" in step:
        return str(step["cmd"])
    for key, value in step.items():
        if key == "at":
            continue
        if value is True and key in ("quit", "dcba-in-value", "factory"):
            return key
        if isinstance(value, bool):
            return "%s %s" % (key, "on" if value else "off")
        if isinstance(value, list):
            return " ".join([key] + [str(v) for v in value])
        return "%s %s" % (key, value)
    raise ValueError("step without a command: %r" % (step,))


def make_link(link, target):
    if os.path.lexists(link):
        if not os.path.islink(link):
            raise SystemExit("ups_simulator: %s exists and is not a symlink" % link)
    temporary = "%s.%d.tmp" % (link, os.getpid())
    os.symlink(target, temporary)
    os.replace(temporary, link)


def remove_link(link, target):
    try:
        if os.path.islink(link) and os.readlink(link) == target:
            os.unlink(link)
    except OSError:
        pass


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Simulated Norvex UPS on a pseudo-terminal.",
        epilog="Commands are read from stdin, one per line (see the module text).")
    parser.add_argument("--model", default=presets.DEFAULT_MODEL,
                        help="device preset (default %(default)s); --list shows them")
    parser.add_argument("--model-code", type=lambda t: int(t, 16),
                        help="report this model code (hex) instead of the preset's")
    parser.add_argument("--sub-devices", type=int, choices=range(0, 4),
                        help="number of sub devices reported in field 5 (0-3)")
    parser.add_argument("--storage-code", type=lambda t: int(t, 0),
                        help="model code reported by the sub devices (e.g. 2 = ACM 24/7Ah)")
    parser.add_argument("--mode", default="mains", help="operating state (default mains)")
    parser.add_argument("--ports", type=int, default=1, help="number of pseudo-terminals")
    parser.add_argument("--answer-on", type=int, default=0,
                        help="index of the port that answers (0-based)")
    parser.add_argument("--link", action="append",
                        help="symlink to the slave; repeat for the following ports")
    parser.add_argument("--delay-ms", type=float, default=5.0,
                        help="delay before each answer (default 5)")
    parser.add_argument("--script", help="JSON list of timed steps")
    parser.add_argument("--baud", type=int, default=0,
                        help="answer only at this line speed (default: any)")
    parser.add_argument("--mismatch-zeros", action="store_true",
                        help="at a wrong line speed answer with zero bytes instead")
    parser.add_argument("--allow-long", action="store_true",
                        help="send answers longer than 53 bytes whole")
    parser.add_argument("--list", action="store_true", help="list presets and modes")
    args = parser.parse_args(argv)

    if args.list:
        for name, preset in presets.PRESETS.items():
            print("%-14s 0x%08X %-3s %-9s modes: %s" % (
                name, preset["code"], preset["family"], preset["storage"],
                " ".join(presets.modes_for(preset))))
        return 0
    preset = presets.find_preset(args.model)
    if preset is None:
        parser.error("unknown model %r; known: %s" % (args.model,
                                                      ", ".join(presets.PRESETS)))
    if args.mode not in presets.modes_for(preset):
        parser.error("mode %r not known for %s; known: %s" % (
            args.mode, preset["name"], ", ".join(presets.modes_for(preset))))
    if args.ports < 1:
        parser.error("--ports must be at least 1")
    if not 0 <= args.answer_on < args.ports:
        parser.error("--answer-on must be below --ports")

    simulator = Simulator(args, preset)
    if args.script:
        try:
            simulator.load_script(args.script)
        except (OSError, ValueError) as exc:
            parser.error("script: %s" % exc)
    try:
        simulator.open_ports()
        simulator.run()
    finally:
        simulator.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
