"""A small SMTP server for the tests: listens on 127.0.0.1, stores every message it accepts.

Each accepted message becomes <store>/<n>.json (envelope, connection facts and the message
parsed by Python's own e-mail package) beside <n>.eml (the bytes received) and
<n>.att<k> (each attachment decoded). Every connection adds a line to <store>/connections.
Prints "READY <port>" once it accepts connections; stops on SIGTERM or when stdin closes.
"""
import argparse
import asyncio
import email
import email.policy
import hmac
import json
import logging
import os
import signal
import socket
import stat
import ssl
import sys
import time
import warnings

from aiosmtpd.smtp import MISSING, SMTP, AuthResult, LoginPassword


def parse_args():
    p = argparse.ArgumentParser()
    p.add_argument("--store", required=True)
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--security", choices=["plain", "starttls", "implicit"], default="plain")
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--user", help="enables AUTH LOGIN, PLAIN and CRAM-MD5; login accepted with --password")
    p.add_argument("--password", default="")
    p.add_argument("--auth-required", action="store_true")
    p.add_argument("--refuse", action="append", default=[], help="recipient answered 550")
    p.add_argument("--read-rate", type=int, default=0, help="bytes per second read from each connection (a slow link)")
    p.add_argument("--stall-after", type=int, default=-1, help="bytes read from a connection before reading stops")
    p.add_argument("--close-after", type=int, default=-1, help="bytes read from a connection before it is cut")
    return p.parse_args()


def write_atomically(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


class Store:
    def __init__(self, args):
        self.args = args
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in ("", "<>"):
            return "501 5.1.3 Bad recipient address syntax"
        if address in self.args.refuse:
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def auth_CRAM__MD5(self, server, args):
        """CRAM-MD5: the client answers a challenge with its login and an HMAC-MD5 of it."""
        challenge = ("<%d.%d@mail.test.local>" % (os.getpid(), time.time_ns())).encode()
        response = await server.challenge_auth(challenge)
        if response is MISSING:
            return AuthResult(success=False, handled=True)
        login, _, digest = response.decode("utf-8", "replace").rpartition(" ")
        expected = hmac.new(self.args.password.encode("utf-8"), challenge, "md5").hexdigest()
        ok = login == self.args.user and hmac.compare_digest(digest, expected)
        return AuthResult(success=ok, handled=False, auth_data={"mechanism": "CRAM-MD5", "login": login})

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.args.store, str(self.count))
        raw = envelope.original_content or envelope.content
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        body = msg.get_body(preferencelist=("plain", "html"))
        attachments = []
        for k, part in enumerate(msg.iter_attachments(), start=1):
            payload = part.get_payload(decode=True) or b""
            write_atomically("%s.att%d" % (base, k), payload)
            attachments.append({"filename": part.get_filename() or "",
                                "content_type": part.get_content_type(),
                                "transfer_encoding": part.get("Content-Transfer-Encoding", ""),
                                "file": "%s.att%d" % (base, k)})
        auth = session.auth_data if isinstance(session.auth_data, dict) else {}
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "tls": server.used_tls(),
            "auth_mechanism": auth.get("mechanism", ""),
            "auth_login": auth.get("login", ""),
            "subject": str(msg.get("Subject", "")),
            "from": str(msg.get("From", "")),
            "to": str(msg.get("To", "")),
            "cc": str(msg.get("Cc", "")),
            "date": str(msg.get("Date", "")),
            "message_id": str(msg.get("Message-ID", "")),
            "mime_version": str(msg.get("MIME-Version", "")),
            "body_type": body.get_content_type() if body is not None else "",
            "body": body.get_content().replace("\r\n", "\n") if body is not None else "",
            "defects": [type(d).__name__ for d in msg.defects],
            "attachments": attachments,
            "eml": base + ".eml",
        }
        write_atomically(base + ".eml", raw)
        write_atomically(base + ".json", json.dumps(record, ensure_ascii=False).encode("utf-8"))
        return "250 2.0.0 Message accepted for delivery"


class RecordingSMTP(SMTP):
    """Notes each connection and whether the session runs over TLS."""

    def __init__(self, *a, store_dir, read_rate=0, stall_after=-1, close_after=-1, **kw):
        super().__init__(*a, **kw)
        self._store_dir = store_dir
        self._implicit_tls = False
        self._read_rate = read_rate
        self._stall_after = stall_after
        self._read = 0
        self._pending = bytearray()
        self._feeding = False
        self._close_after = close_after
        self._seen = 0

    def data_received(self, data):
        """A slow link: what arrives waits here and reaches the SMTP session a little at a time,
        while the connection is not read; past the stall limit nothing more reaches it.
        Past the close limit the connection is cut, as a server that goes away mid-message."""
        if self._close_after >= 0:
            self._seen += len(data)
            if self._seen > self._close_after:
                self.transport.abort()
                return
        if not self._read_rate and self._stall_after < 0:
            return super().data_received(data)
        self._pending += data
        self.transport.pause_reading()
        if not self._feeding:
            self._feeding = True
            self.loop.call_soon(self._feed)

    def _feed(self):
        if self.transport is None or self.transport.is_closing():
            return
        budget = int(self._read_rate * 0.05) if self._read_rate else len(self._pending)
        if self._stall_after >= 0:
            budget = min(budget, self._stall_after - self._read)
        while self._pending and budget > 0:
            n = min(budget, 1000, len(self._pending))  # small pieces, as a slow link delivers them
            piece = bytes(self._pending[:n])
            del self._pending[:n]
            self._read += n
            budget -= n
            super().data_received(piece)
        if self._stall_after >= 0 and self._read >= self._stall_after:
            return  # stalled: the connection stays unread
        if self._pending:
            self.loop.call_later(0.05, self._feed)
        else:
            self._feeding = False
            self.transport.resume_reading()

    def connection_made(self, transport):
        first = self.transport is None
        super().connection_made(transport)
        if first:
            self._implicit_tls = transport.get_extra_info("ssl_object") is not None
            with open(os.path.join(self._store_dir, "connections"), "a") as f:
                f.write("%s\n" % ("tls" if self._implicit_tls else "plain"))

    def used_tls(self):
        return self._implicit_tls or self._tls_protocol is not None


def main():
    args = parse_args()
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    os.makedirs(args.store, exist_ok=True)
    tls = None
    if args.security != "plain":
        tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        tls.load_cert_chain(args.cert, args.key)

    def authenticator(server, session, envelope, mechanism, auth_data):
        if not isinstance(auth_data, LoginPassword):
            return AuthResult(success=False, handled=False)
        login = auth_data.login.decode("utf-8", "replace")
        password = auth_data.password.decode("utf-8", "replace")
        ok = login == args.user and password == args.password
        return AuthResult(success=ok, handled=False,
                          auth_data={"mechanism": mechanism, "login": login})

    handler = Store(args)
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)

    def factory():
        kw = dict(hostname="mail.test.local", store_dir=args.store, loop=loop,
                  read_rate=args.read_rate, stall_after=args.stall_after, close_after=args.close_after,
                  auth_require_tls=False, auth_required=bool(args.user) and args.auth_required)
        if args.user:
            kw["authenticator"] = authenticator
        else:
            kw["auth_exclude_mechanism"] = ["LOGIN", "PLAIN", "CRAM-MD5"]
        if args.security == "starttls":
            kw["tls_context"] = tls
        return RecordingSMTP(handler, **kw)

    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    if args.read_rate or args.stall_after >= 0:
        # A small window, so that what the server has not read stays with the sender.
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 8192)
    listener.bind(("127.0.0.1", args.port))
    server = loop.run_until_complete(loop.create_server(
        factory, sock=listener, ssl=tls if args.security == "implicit" else None))
    port = server.sockets[0].getsockname()[1]
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    loop.add_signal_handler(signal.SIGINT, loop.stop)
    if stat.S_ISFIFO(os.fstat(sys.stdin.fileno()).st_mode):
        # the test program holds the other end: its exit stops the server too
        loop.add_reader(sys.stdin.fileno(), lambda: os.read(sys.stdin.fileno(), 4096) or loop.stop())
    print("READY %d" % port, flush=True)
    loop.run_forever()
    server.close()


if __name__ == "__main__":
    main()
