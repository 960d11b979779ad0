#!/usr/bin/python3
"""Simulated FTDI USB adapter with an STM32 system bootloader behind it.

Plays the device's USB serial adapter for the firmware update: the adapter list, the adapter's
EEPROM with its strings, the CBUS pins wired to the controller's boot-select (CBUS2) and reset
(CBUS3) lines, and the USB port cycle.  Behind the adapter's UART sits the controller's USART
system bootloader (synchronise, get, get version, get id, read memory, go, write memory,
extended erase, readout and write unprotect), which starts only when boot-select is on as the
reset line is released.  Every byte travels at the UART's wire rate (start bit, data bits,
parity, stop bits), so timings through the simulator mean something.

Two ways in:
  --socket PATH   the program's simulated adapter connects to a Unix socket; the protocol is in
                  tools/simulated_adapter_protocol.txt.
  --pty           a pseudo-terminal for a serial bootloader tool (boot-select is on from the
                  start, 8N1 since pseudo-terminals refuse even parity); prints "PTY <path>".

Logged on stdout, one line per event, flushed at once:
    SOCKET <path> / PTY <path>      first line
    OPEN <description> / OPENFAIL <description> / CLOSE
    UART <baud> <bits><parity><stop>
    PINS <hex byte>                 a CBUS write
    START bootloader|application|silent    the controller left reset
    SYNC / CMD <hex>                the bootloader synchronised / got a command
    ERASE mass|pages <n> ok|refused
    WRITE <address> <length> ok|nack|stall
    READ <address> <length>
    UNPROTECT readout|write
    EEPROM read|write <description> / EEPROM read refused
    CYCLE <description>             the adapter left the bus; it comes back after --cycle-ms
    EXIT <reason>

Faults (--fault, repeatable): silent (never answers), erase-refused, nack-once:ADDR (the write
at ADDR is refused once), nack:ADDR (always refused), corrupt:ADDR (the byte at ADDR is stored
wrong), stall-once:ADDR (the last byte of the write at ADDR is lost once, so it is never
answered), eeprom-read (the adapter's EEPROM cannot be read).

Standard library only; run with /usr/bin/python3.
"""

import argparse
import collections
import os
import select
import signal
import socket
import struct
import sys
import termios
import time
import tty

ACK, NACK = 0x79, 0x1F
FLASH_BASE = 0x08000000
RAM_BASE = 0x20000000
BOOT_SELECT, RESET_LINE = 2, 3  # CBUS pins


def log(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


class Wire:
    """Bytes on one direction of the UART, each taking its share of the line's time."""

    def __init__(self):
        self.byte_time = 11 / 115200
        self.free_at = 0.0
        self.queue = collections.deque()  # (time it has fully arrived, byte)

    def send(self, data, now, delay=0.0):
        t = max(now + delay, self.free_at)
        for b in data:
            t += self.byte_time
            self.queue.append((t, b))
        self.free_at = t

    def due(self, now):
        out = bytearray()
        while self.queue and self.queue[0][0] <= now:
            out.append(self.queue.popleft()[1])
        return out

    def due_with_times(self, now):
        out = []
        while self.queue and self.queue[0][0] <= now:
            out.append(self.queue.popleft())
        return out

    def next_time(self):
        return self.queue[0][0] if self.queue else None

    def clear(self):
        self.queue.clear()


class Bootloader:
    """The controller: runs its bootloader or its application, with a flash memory."""

    def __init__(self, args, to_host):
        self.to_host = to_host
        self.flash_size = args.flash_kib * 1024
        self.page_size = 2048
        self.flash = bytearray(b"\xff" * self.flash_size)
        self.erase_time = args.erase_ms / 1000.0
        self.faults = {}
        for fault in args.fault or []:
            kind, _, addr = fault.partition(":")
            self.faults.setdefault(kind, set()).add(int(addr, 0) if addr else None)
        self.session = None  # the running bootloader, a generator fed one byte at a time
        self.now = 0.0
        self.deaf_until = 0.0

    def has_fault(self, kind, addr=None):
        return addr in self.faults.get(kind, ())

    def take_fault(self, kind, addr):
        if addr in self.faults.get(kind, ()):
            self.faults[kind].discard(addr)
            return True
        return False

    def start(self, boot_select):
        """The reset line was released."""
        self.to_host.clear()
        if boot_select and self.has_fault("silent"):
            log("START silent")
            self.session = None
        elif boot_select:
            log("START bootloader")
            self.session = self.run()
            next(self.session)
        else:
            log("START application")
            self.session = None

    def hold_in_reset(self):
        self.session = None

    def feed(self, byte, now):
        self.now = now
        if self.session is None or now < self.deaf_until:
            return
        try:
            self.session.send(byte)
        except StopIteration:
            pass  # the session ended in a reset and put a fresh one in its place

    def answer(self, *data, delay=0.0):
        self.to_host.send(bytes(data), self.now, delay)

    def run(self):
        while (yield) != 0x7F:
            pass
        log("SYNC")
        self.answer(ACK)
        while True:
            cmd = yield
            if (yield) ^ cmd != 0xFF:
                self.answer(NACK)
                continue
            log("CMD %02x" % cmd)
            handler = {
                0x00: self.get,
                0x01: self.get_version,
                0x02: self.get_id,
                0x11: self.read_memory,
                0x21: self.go,
                0x31: self.write_memory,
                0x44: self.extended_erase,
                0x73: lambda: self.unprotect("write"),
                0x92: lambda: self.unprotect("readout"),
            }.get(cmd)
            if handler is None:
                self.answer(NACK)
                continue
            result = yield from handler()
            if result == "reset":
                # The controller resets after changing its protection; boot-select is still on,
                # so it comes back in its bootloader and waits for a new synchronisation.
                self.deaf_until = self.to_host.free_at + 0.002
                self.session = self.run()
                next(self.session)
                return

    def get(self):
        commands = [0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44, 0x73, 0x92]
        self.answer(ACK, len(commands), 0x31, *commands, ACK)
        yield from ()

    def get_version(self):
        self.answer(ACK, 0x31, 0x00, 0x00, ACK)
        yield from ()

    def get_id(self):
        self.answer(ACK, 1, 0x04, 0x30, ACK)  # a 1 MiB part with 2 KiB pages
        yield from ()

    def address(self):
        raw = bytearray()
        for _ in range(5):
            raw.append((yield))
        if raw[0] ^ raw[1] ^ raw[2] ^ raw[3] != raw[4]:
            return None
        return struct.unpack(">I", raw[:4])[0]

    def memory_slice(self, addr, length):
        if FLASH_BASE <= addr and addr + length <= FLASH_BASE + self.flash_size:
            return addr - FLASH_BASE
        return None

    def read_memory(self):
        self.answer(ACK)
        addr = yield from self.address()
        if addr is None or self.memory_slice(addr, 1) is None:
            self.answer(NACK)
            return
        self.answer(ACK)
        n = yield
        if (yield) ^ n != 0xFF or self.memory_slice(addr, n + 1) is None:
            self.answer(NACK)
            return
        log("READ %08x %d" % (addr, n + 1))
        at = self.memory_slice(addr, n + 1)
        self.answer(ACK, *self.flash[at:at + n + 1])

    def go(self):
        self.answer(ACK)
        addr = yield from self.address()
        if addr is None:
            self.answer(NACK)
            return
        self.answer(ACK)
        log("START application")
        self.session = None
        yield  # never resumed: the application runs

    def write_memory(self):
        self.answer(ACK)
        addr = yield from self.address()
        if addr is None or addr % 4 or self.memory_slice(addr, 1) is None:
            self.answer(NACK)
            return
        self.answer(ACK)
        n = yield
        data = bytearray()
        count = n + 1
        if self.take_fault("stall-once", addr):
            count -= 1  # the last byte is lost on the way: the checksum never arrives
        for _ in range(count + 1):
            data.append((yield))
        if len(data) < n + 2:
            log("WRITE %08x %d stall" % (addr, n + 1))
            while True:  # waits for the byte that never comes; only a reset ends this
                yield
        checksum = n
        for b in data[:-1]:
            checksum ^= b
        at = self.memory_slice(addr, n + 1)
        refused = self.has_fault("nack", addr) or self.take_fault("nack-once", addr)
        if checksum != data[-1] or (n + 1) % 4 or at is None or refused:
            log("WRITE %08x %d nack" % (addr, n + 1))
            self.answer(NACK)
            return
        for i, b in enumerate(data[:-1]):
            self.flash[at + i] &= b  # flash bits only go from 1 to 0 without an erase
        if self.has_fault("corrupt", addr):
            self.flash[at] ^= 0x01
        log("WRITE %08x %d ok" % (addr, n + 1))
        self.answer(ACK, delay=(n + 1) / 4 * 20e-6)  # word programming time

    def extended_erase(self):
        self.answer(ACK)
        hi, lo = (yield), (yield)
        count = (hi << 8) | lo
        if count >= 0xFFF0:
            check = yield
            ok = check == hi ^ lo and count == 0xFFFF
            pages = range(self.flash_size // self.page_size)
            kind = "mass"
        else:
            raw = bytearray([hi, lo])
            for _ in range(2 * (count + 1) + 1):
                raw.append((yield))
            check = 0
            for b in raw[:-1]:
                check ^= b
            pages = [(raw[i] << 8) | raw[i + 1] for i in range(2, len(raw) - 1, 2)]
            ok = check == raw[-1] and all(p < self.flash_size // self.page_size for p in pages)
            kind = "pages %d" % len(pages)
        ok = ok and not self.has_fault("erase-refused")
        log("ERASE %s %s" % (kind, "ok" if ok else "refused"))
        if not ok:
            self.answer(NACK)
            return
        for p in pages:
            self.flash[p * self.page_size:(p + 1) * self.page_size] = b"\xff" * self.page_size
        share = len(pages) / (self.flash_size // self.page_size)
        self.answer(ACK, delay=self.erase_time * share)

    def unprotect(self, which):
        log("UNPROTECT %s" % which)
        if which == "readout":
            self.flash[:] = b"\xff" * self.flash_size  # removing readout protection erases
        self.answer(ACK)
        self.answer(ACK, delay=0.02)
        yield from ()
        return "reset"


class Adapter:
    """The USB serial adapter: EEPROM strings, CBUS pins and the UART to the controller."""

    def __init__(self, args):
        self.eeprom = {
            "manufacturer": args.manufacturer,
            "manufacturer_id": "FT",
            "description": args.description,
            "serial": "FT000001",
            "cbus": "1,2,8,8",
            "invert_rxd": "0",
            "invert_txd": "0",
        }
        self.others = list(args.other or [])
        self.inverted = args.inverted
        self.cycle_time = args.cycle_ms / 1000.0
        self.back_at = 0.0
        self.is_open = False
        self.uart_ok = False
        self.pins = 0
        self.pin_history = bytearray()
        self.to_host = Wire()
        self.to_device = Wire()
        self.controller = Bootloader(args, self.to_host)
        self.controller.start(False)
        self.reset_held = False

    def present(self, now):
        return now >= self.back_at

    def descriptions(self, now):
        return ([self.eeprom["description"]] if self.present(now) else []) + self.others

    def line(self, pin):
        """The level the board sees on a CBUS pin: an input floats to the board's idle level."""
        enabled = self.pins & (0x10 << pin)
        high = bool(self.pins & (1 << pin))
        active = (high != self.inverted) if pin == BOOT_SELECT else (high == self.inverted)
        return bool(enabled) and active

    def set_pins(self, value, now):
        held_before = self.line(RESET_LINE)
        self.pins = value
        self.pin_history.append(value)
        log("PINS %02x" % value)
        if self.line(RESET_LINE):
            self.controller.hold_in_reset()
        elif held_before:
            self.to_device.clear()
            self.controller.start(self.line(BOOT_SELECT))

    def set_uart(self, baud, bits, parity, stop):
        self.uart_ok = (baud, bits, parity, stop) == (115200, 8, 2, 1)
        byte_time = (1 + bits + (1 if parity else 0) + stop) / baud
        self.to_host.byte_time = self.to_device.byte_time = byte_time
        log("UART %d %d%s%d" % (baud, bits, "NOE"[parity], stop))

    def pump(self, now):
        """Hands the bytes that have arrived by `now` to the controller, each at the moment it
        arrived, so its answer is timed from then. While the host waits for an answer nothing
        else can happen on the line, so all bytes on their way are handed over at once."""
        for t, b in self.to_device.due_with_times(now):
            if self.uart_ok:
                self.controller.feed(b, t)

    def next_time(self):
        times = [t for t in (self.to_device.next_time(), self.to_host.next_time()) if t]
        return min(times) if times else None


def read_exact(conn, n):
    data = bytearray()
    while len(data) < n:
        chunk = conn.recv(n - len(data))
        if not chunk:
            raise EOFError
        data += chunk
    return bytes(data)


def reply(conn, status, payload=b""):
    conn.sendall(struct.pack(">BI", status, len(payload)) + payload)


def wait_until(adapter, deadline, done):
    """Runs the line until `done()` or the deadline; returns done()."""
    adapter.pump(float("inf"))
    while True:
        now = time.monotonic()
        if done(now):
            return True
        if now >= deadline:
            return False
        nxt = adapter.next_time()
        pause = deadline - now if nxt is None else min(deadline, nxt) - now
        time.sleep(max(0.0, min(pause, 0.05)))


def serve_request(adapter, conn, op, payload):
    now = time.monotonic()
    adapter.pump(now)
    if op == ord("L"):
        reply(conn, 0, "\n".join(adapter.descriptions(now)).encode())
    elif op == ord("O"):
        description = payload.decode()
        ok = adapter.present(now) and description == adapter.eeprom["description"]
        adapter.is_open = ok
        log(("OPEN %s" if ok else "OPENFAIL %s") % description)
        reply(conn, 0 if ok else 1)
    elif op == ord("M"):
        start, length = struct.unpack(">II", payload)
        at = start - FLASH_BASE
        reply(conn, 0, bytes(adapter.controller.flash[at:at + length]))
    elif op == ord("H"):
        reply(conn, 0, bytes(adapter.pin_history))
    elif not adapter.is_open:
        reply(conn, 2)  # every other operation needs an open adapter
    elif op == ord("C"):
        adapter.is_open = False
        log("CLOSE")
        reply(conn, 0)
    elif op == ord("U"):
        baud, bits, parity, stop = struct.unpack(">IBBB", payload)
        adapter.set_uart(baud, bits, parity, stop)
        reply(conn, 0)
    elif op == ord("P"):
        adapter.set_pins(payload[0], now)
        reply(conn, 0)
    elif op == ord("W"):
        adapter.to_device.send(payload, now)
        reply(conn, 0)
    elif op == ord("R"):
        count, timeout_ms = struct.unpack(">II", payload)
        got = bytearray()

        def enough(t):
            while len(got) < count and adapter.to_host.queue and adapter.to_host.queue[0][0] <= t:
                got.append(adapter.to_host.queue.popleft()[1])
            return len(got) >= count

        wait_until(adapter, now + timeout_ms / 1000.0, enough)
        reply(conn, 0, bytes(got))
    elif op == ord("E") and adapter.controller.has_fault("eeprom-read"):
        log("EEPROM read refused")
        reply(conn, 4)
    elif op == ord("E"):
        log("EEPROM read %s" % adapter.eeprom["description"])
        text = "".join("%s=%s\n" % kv for kv in adapter.eeprom.items())
        reply(conn, 0, text.encode())
    elif op == ord("F"):
        for line in payload.decode().splitlines():
            key, _, value = line.partition("=")
            if key in adapter.eeprom:
                adapter.eeprom[key] = value
        log("EEPROM write %s" % adapter.eeprom["description"])
        reply(conn, 0)
    elif op == ord("Y"):
        log("CYCLE %s" % adapter.eeprom["description"])
        adapter.is_open = False
        adapter.back_at = now + adapter.cycle_time
        reply(conn, 0)
    else:
        reply(conn, 3)


def serve_socket(adapter, path):
    if os.path.exists(path):
        os.unlink(path)
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(4)
    log("SOCKET %s" % path)
    clients = []
    inputs = [sys.stdin]
    while True:
        readable, _, _ = select.select([server] + inputs + clients, [], [], 0.05)
        adapter.pump(time.monotonic())
        for r in readable:
            if r is server:
                clients.append(server.accept()[0])
            elif r is sys.stdin:
                line = sys.stdin.readline()
                if not line:
                    inputs = []  # stdin closed: keep serving
                elif line.strip() == "quit":
                    log("EXIT quit")
                    return
            else:
                try:
                    op, length = struct.unpack(">BI", read_exact(r, 5))
                    serve_request(adapter, r, op, read_exact(r, length) if length else b"")
                except (EOFError, ConnectionError):
                    clients.remove(r)
                    r.close()


def serve_pty(adapter, link):
    master, slave = os.openpty()
    tty.setraw(slave)
    attrs = termios.tcgetattr(slave)
    attrs[4] = attrs[5] = termios.B115200
    termios.tcsetattr(slave, termios.TCSANOW, attrs)
    path = os.ttyname(slave)
    if link:
        if os.path.lexists(link):
            os.unlink(link)
        os.symlink(path, link)
    adapter.set_uart(115200, 8, 0, 1)
    adapter.uart_ok = True
    adapter.set_pins(0xC8 if adapter.inverted else 0xC4, 0)  # boot-select on, reset held
    adapter.set_pins(0xC0 if adapter.inverted else 0xCC, 0)  # reset released
    log("PTY %s" % path)
    inputs = [sys.stdin]
    while True:
        now = time.monotonic()
        adapter.pump(float("inf"))  # pins never change here
        out = adapter.to_host.due(now)
        if out:
            os.write(master, bytes(out))
        nxt = adapter.next_time()
        timeout = 0.05 if nxt is None else max(0.0, min(0.05, nxt - time.monotonic()))
        readable, _, _ = select.select([master] + inputs, [], [], timeout)
        if master in readable:
            try:
                data = os.read(master, 4096)
            except OSError:
                data = b""
            adapter.to_device.send(data, time.monotonic())
        if sys.stdin in readable:
            line = sys.stdin.readline()
            if not line:
                inputs = []
            elif line.strip() == "quit":
                log("EXIT quit")
                return


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    way = parser.add_mutually_exclusive_group(required=True)
    way.add_argument("--socket", help="serve the simulated adapter on this Unix socket")
    way.add_argument("--pty", action="store_true", help="serve the bootloader on a pseudo-terminal")
    parser.add_argument("--link", help="with --pty: a symlink to the pseudo-terminal")
    parser.add_argument("--description", default="VS-24-10", help="the adapter's USB description")
    parser.add_argument("--manufacturer", default="Norvex", help="the adapter's USB manufacturer")
    parser.add_argument("--other", action="append", help="a further attached adapter (description)")
    parser.add_argument("--inverted", action="store_true",
                        help="the board's boot-select and reset lines are inverted")
    parser.add_argument("--flash-kib", type=int, default=1024, help="flash size (KiB)")
    parser.add_argument("--erase-ms", type=float, default=400.0, help="mass erase time")
    parser.add_argument("--cycle-ms", type=float, default=300.0,
                        help="how long the adapter is gone after a port cycle")
    parser.add_argument("--fault", action="append", help="a fault to play (see above)")
    args = parser.parse_args(argv)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    adapter = Adapter(args)
    try:
        if args.pty:
            serve_pty(adapter, args.link)
        else:
            serve_socket(adapter, args.socket)
    except KeyboardInterrupt:
        log("EXIT interrupted")


if __name__ == "__main__":
    main()
