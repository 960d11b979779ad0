#!/usr/bin/python3
"""Local SMTP server for the e-mail tests (aiosmtpd; run with /usr/bin/python3).

Listens on 127.0.0.1 and prints "PORT <n>" once it accepts connections, then one line per
event, flushed at once:

    DATA                    a client has sent a message; it is answered now, or after the
                            --delay
    REFUSED                 the message was refused for its size (--refuse-over)
    MAIL <n>                message n (1, 2, ...) was stored as <dir>/<n>.json (and as it
                            came, <dir>/<n>.eml)
    CONNECT / CLOSED        a client connected / closed its connection (--hang only)
    MARK <text>             the line "<text>" came on stdin (--hang only)
    COMMAND <line>          a command line came from a client (--commands only; the
                            credentials of AUTH are masked)

Each message is read with the standard e-mail parser and stored as JSON: the envelope sender
and recipients, the decoded From, To, Cc and Subject, the text of the text/plain part and the
attachments (file name, content type, content in base64). The file appears complete (written
under another name first).

Options:
    --dir DIR               where the messages go (required unless --hang)
    --starttls CERT KEY     offer STARTTLS and require it before MAIL
    --auth USER:PASSWORD    require a login with these credentials
    --hang                  accept connections and never answer
    --delay SECONDS         take this long to accept each message (a slow server)
    --commands              report every command line received
    --size-limit BYTES      announce this SIZE and refuse larger messages (default 32 MiB);
                            0 announces no limit
    --refuse-over BYTES     refuse with 552 every message larger than this, whatever it
                            announced

Recipients beginning with "reject" are refused with 550. The server stops when stdin closes.
"""

import argparse
import asyncio
import base64
import email
import email.policy
import json
import logging
import os
import socket
import ssl
import sys
import threading
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


def say(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def parsed(envelope):
    message = email.message_from_bytes(envelope.content, policy=email.policy.default)
    body = message.get_body(preferencelist=("plain",))
    attachments = []
    for part in message.iter_attachments():
        attachments.append({
            "filename": part.get_filename(),
            "type": part.get_content_type(),
            "content": base64.b64encode(part.get_payload(decode=True)).decode("ascii"),
        })
    return {
        "mail_from": envelope.mail_from,
        "rcpt_tos": list(envelope.rcpt_tos),
        "from": str(message.get("From", "")),
        "to": str(message.get("To", "")),
        "cc": str(message.get("Cc", "")),
        "subject": str(message.get("Subject", "")),
        "content_type": message.get_content_type(),
        "text": body.get_content().replace("\r\n", "\n") if body is not None else None,
        "attachments": attachments,
    }


class CommandLines(logging.Handler):
    """Reports the command lines that aiosmtpd logs as it reads them."""

    def emit(self, record):
        if record.msg == "%r >> %r" and len(record.args) == 2 and isinstance(record.args[1], bytes):
            say("COMMAND " + record.args[1].decode("utf-8", "replace"))


class Store:
    def __init__(self, folder, delay, refuse_over=0):
        self.folder = folder
        self.delay = delay
        self.refuse_over = refuse_over
        self.count = 0
        self.lock = threading.Lock()

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().startswith("reject"):
            return "550 5.1.1 no such mailbox here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        say("DATA")
        if self.refuse_over and len(envelope.original_content or envelope.content) > self.refuse_over:
            say("REFUSED")
            return "552 5.3.4 Message size exceeds fixed maximum message size"
        if self.delay:
            await asyncio.sleep(self.delay)
        with self.lock:
            self.count += 1
            number = self.count
        with open(os.path.join(self.folder, "%d.eml" % number), "wb") as f:
            f.write(envelope.original_content or envelope.content)
        target = os.path.join(self.folder, "%d.json" % number)
        with open(target + ".part", "w", encoding="utf-8") as f:
            json.dump(parsed(envelope), f, ensure_ascii=False, indent=1)
        os.replace(target + ".part", target)
        say("MAIL %d" % number)
        return "250 Message accepted"


def hang():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)

    def hold(connection):
        with connection:
            while connection.recv(1024):
                pass
        say("CLOSED")

    def accept():
        while True:
            connection, _ = listener.accept()
            say("CONNECT")
            threading.Thread(target=hold, args=(connection,), daemon=True).start()

    threading.Thread(target=accept, daemon=True).start()
    say("PORT %d" % listener.getsockname()[1])
    # Marks from the test put its own steps in order with the connection events.
    for line in sys.stdin:
        say("MARK " + line.strip())


def main():
    # Failed TLS handshakes and logins are part of the tests, not news.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    warnings.filterwarnings("ignore", "Requiring AUTH while not requiring TLS")
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir")
    parser.add_argument("--starttls", nargs=2, metavar=("CERT", "KEY"))
    parser.add_argument("--auth")
    parser.add_argument("--hang", action="store_true")
    parser.add_argument("--delay", type=float, default=0)
    parser.add_argument("--commands", action="store_true")
    parser.add_argument("--size-limit", type=int, default=33554432)
    parser.add_argument("--refuse-over", type=int, default=0)
    args = parser.parse_args()
    if args.hang:
        hang()
        return

    if args.commands:
        mail_log = logging.getLogger("mail.log")
        mail_log.setLevel(logging.INFO)
        mail_log.propagate = False
        mail_log.addHandler(CommandLines())

    options = {"data_size_limit": args.size_limit or None}
    if args.starttls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(*args.starttls)
        options.update(tls_context=context, require_starttls=True)
    if args.auth:
        user, password = args.auth.split(":", 1)

        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login.decode() == user and auth_data.password.decode() == password
            return AuthResult(success=ok, handled=False)

        options.update(authenticator=authenticator, auth_required=True,
                       auth_require_tls=bool(args.starttls))
    controller = Controller(Store(args.dir, args.delay, args.refuse_over), hostname="127.0.0.1", port=free_port(),
                            server_hostname="localhost", **options)
    controller.start()
    say("PORT %d" % controller.port)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
