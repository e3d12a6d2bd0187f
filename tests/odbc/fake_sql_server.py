#!/usr/bin/python3
"""A stand-in for SQL Server on 127.0.0.1 that speaks just enough TDS 7.4 for the portal's
ODBC engine through FreeTDS: pre-login, login, and SQL batches answered from a small table.
Prints its port on the first line of stdout; every batch text received goes to stderr.
Options: --catalogo FILE answers the terminal check's catalogue queries from a JSON file
({"objects": [[name, xtype], ...], "parameters": [[procedure, parameter], ...]});
--lento SECONDS waits that long before answering each batch."""
import datetime
import json
import os
import time
import socket
import struct
import sys
import threading

CP1252_COLLATION = bytes([0x09, 0x04, 0xD0, 0x00, 0x34])  # SQL_Latin1_General_CP1_CI_AS


def packet(ptype, payload, status=0x01):
    return struct.pack('>BBHHBB', ptype, status, len(payload) + 8, 0, 1, 0) + payload


def b_varchar(text):
    data = text.encode('utf-16-le')
    return bytes([len(text)]) + data


def us_varchar(text):
    data = text.encode('utf-16-le')
    return struct.pack('<H', len(text)) + data


def done(token=0xFD, status=0x0000, count=0, curcmd=0xC1):
    flags = status | (0x0010 if count is not None else 0)
    return struct.pack('<BHHQ', token, flags, curcmd, count or 0)


def envchange(kind, new, old=''):
    body = bytes([kind]) + b_varchar(new) + b_varchar(old)
    return b'\xE3' + struct.pack('<H', len(body)) + body


def collation_change():
    body = bytes([7, 5]) + CP1252_COLLATION + bytes([0])
    return b'\xE3' + struct.pack('<H', len(body)) + body


def loginack():
    body = bytes([1]) + bytes([0x74, 0x00, 0x00, 0x04]) + b_varchar('Microsoft SQL Server') + bytes([15, 0, 0x10, 0x00])
    return b'\xAD' + struct.pack('<H', len(body)) + body


def error(number, message, state=1, severity=16):
    body = struct.pack('<iBB', number, state, severity) + us_varchar(message) + b_varchar('FAKE') + b_varchar('') + struct.pack('<i', 1)
    return b'\xAA' + struct.pack('<H', len(body)) + body


# Column kinds: (type info bytes, value encoder)
def varchar_col(name, size=100):
    info = bytes([0xA7]) + struct.pack('<H', size) + CP1252_COLLATION
    return name, info, lambda v: b'\xFF\xFF' if v is None else struct.pack('<H', len(v)) + v


def nvarchar_col(name, size=200):
    info = bytes([0xE7]) + struct.pack('<H', size) + CP1252_COLLATION
    return name, info, lambda v: b'\xFF\xFF' if v is None else struct.pack('<H', len(v.encode('utf-16-le'))) + v.encode('utf-16-le')


def int_col(name):
    return name, bytes([0x26, 4]), lambda v: b'\x00' if v is None else bytes([4]) + struct.pack('<i', v)


def decimal_col(name, precision, scale):
    def enc(v):
        if v is None:
            return b'\x00'
        sign = 0 if v < 0 else 1
        return bytes([17, sign]) + abs(v).to_bytes(16, 'little')
    return name, bytes([0x6A, 17, precision, scale]), enc


def varbinary_max_col(name):
    def enc(v):
        if v is None:
            return b'\xFF' * 8
        out = struct.pack('<Q', len(v))
        for i in range(0, len(v), 8000):
            chunk = v[i:i + 8000]
            out += struct.pack('<I', len(chunk)) + chunk
        return out + struct.pack('<I', 0)
    return name, bytes([0xA5, 0xFF, 0xFF]), enc


def rowset(columns, rows):
    meta = b'\x81' + struct.pack('<H', len(columns))
    for name, info, _ in columns:
        meta += struct.pack('<IH', 0, 0x0009) + info + b_varchar(name)
    out = meta
    for row in rows:
        out += b'\xD1' + b''.join(col[2](value) for col, value in zip(columns, row))
    return out


CATALOGUE = {}
DELAY = 0.0

BLOB = bytes((i * 7 + i // 251) & 0xFF for i in range(1024 * 1024))


def answer(sql):
    s = ' '.join(sql.split()).lower()
    if s.startswith('select cast(0x81d1 as varchar(2))'):
        return rowset([varchar_col('probe', 2)], [[b'\x81\xD1']]) + done(count=1)
    if s == 'select password from usuarios':
        return rowset([varchar_col('password', 20)], [[bytes([0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xD1, 0x80])]]) + done(count=1)
    if s.startswith('exec pevalidaentrada'):
        # A procedure without SET NOCOUNT ON: row counts come before its rows.
        return (done(0xFF, 0x0001, 1, 0xC3) + done(0xFF, 0x0001, 2, 0xC5) +
                rowset([int_col('empresa'), nvarchar_col('nombre'), varchar_col('pwd', 20)],
                       [[5, 'PEÑA MARÍA', b'jj\x81']]) +
                done(0xFF, 0x0001, 1, 0xC1) + done(0xFE, 0x0000, 0, 0xE0))
    if s == 'select importe':
        return rowset([decimal_col('importe', 30, 4), decimal_col('chico', 12, 2), int_col('nada')],
                      [[123456789012345678912, 1234567, None]]) + done(count=1)
    if s == 'select pdf':
        return rowset([varbinary_max_col('pdf')], [[BLOB]]) + done(count=1)
    if s.startswith('exec noexiste'):
        return error(2812, "Could not find stored procedure 'NoExiste'.") + done(0xFD, 0x0002, None)
    if s == 'select 1; select 2':
        return (rowset([int_col('uno')], [[1]]) + done(0xFD, 0x0001, 1) +
                rowset([int_col('dos')], [[2]]) + done(count=1))
    if s == 'select corte':
        return None  # the link breaks in the middle of the session
    if s == 'select @@version':
        return rowset([nvarchar_col('version', 400)], [['Microsoft SQL Server 2019 (stand-in)']]) + done(count=1)
    if s == 'select convert(varchar(19), getdate(), 120)':
        now = datetime.datetime.now().strftime('%Y-%m-%d %H:%M:%S').encode('cp1252')
        return rowset([varchar_col('ahora', 19)], [[now]]) + done(count=1)
    if s == "select name, xtype from sysobjects where xtype in ('p', 'u', 'v')":
        rows = [[n.encode('cp1252'), x.encode('cp1252')] for n, x in CATALOGUE.get('objects', [])]
        return rowset([varchar_col('name', 128), varchar_col('xtype', 2)], rows) + done(count=len(rows))
    if s.startswith('select o.name, c.name from sysobjects o join syscolumns c'):
        rows = [[p.encode('cp1252'), c.encode('cp1252')] for p, c in CATALOGUE.get('parameters', [])]
        return rowset([varchar_col('name', 128), varchar_col('param', 128)], rows) + done(count=len(rows))
    return done(count=None)  # settings and anything else: done, nothing to return


def read_packet(conn):
    header = b''
    while len(header) < 8:
        chunk = conn.recv(8 - len(header))
        if not chunk:
            return None, None
        header += chunk
    ptype, status, length = struct.unpack('>BBH', header[:4])
    body = b''
    while len(body) < length - 8:
        chunk = conn.recv(length - 8 - len(body))
        if not chunk:
            return None, None
        body += chunk
    return ptype, (status, body)


def read_message(conn):
    ptype, part = read_packet(conn)
    if ptype is None:
        return None, None
    status, body = part
    while not status & 0x01:
        _, part = read_packet(conn)
        if part is None:
            return None, None
        status, more = part
        body += more
    return ptype, body


def send(conn, payload):
    size = 4096 - 8
    for i in range(0, max(len(payload), 1), size):
        last = i + size >= len(payload)
        conn.sendall(packet(0x04, payload[i:i + size], 0x01 if last else 0x00))


def serve(conn):
    with conn:
        while True:
            ptype, body = read_message(conn)
            if ptype is None:
                return
            if ptype == 0x12:  # pre-login: no encryption
                opts = [(0x00, bytes([15, 0, 0x10, 0x00, 0, 0])), (0x01, bytes([0x02])), (0x02, bytes([0])),
                        (0x03, b''), (0x04, bytes([0]))]
                offset = len(opts) * 5 + 1
                head, data = b'', b''
                for token, value in opts:
                    head += struct.pack('>BHH', token, offset + len(data), len(value))
                    data += value
                send(conn, head + b'\xFF' + data)
            elif ptype == 0x10:  # login
                if 'rechazado'.encode('utf-16-le') in body:  # this login is refused
                    send(conn, error(18456, "Login failed for user 'sa'.", 1, 14) + done(0xFD, 0x0002, None))
                    continue
                send(conn, envchange(1, 'Nomina', 'master') + collation_change() + envchange(2, 'us_english') +
                     envchange(4, '4096', '4096') + loginack() + done(count=None))
            elif ptype == 0x01:  # SQL batch: all headers, then the text
                total = struct.unpack('<I', body[:4])[0]
                sql = body[total:].decode('utf-16-le')
                print(sql, file=sys.stderr, flush=True)
                if DELAY:
                    time.sleep(DELAY)
                reply = answer(sql)
                if reply is None:
                    conn.shutdown(socket.SHUT_RDWR)
                    return
                send(conn, reply)
            elif ptype == 0x06:  # attention
                send(conn, done(0xFD, 0x0020, None))
            else:
                send(conn, done(count=None))


def exit_with_parent():
    # The test program holds our stdin open; when it ends (even by a crash) we end too.
    sys.stdin.read()
    os._exit(0)


def main():
    global CATALOGUE, DELAY
    args = sys.argv[1:]
    if '--catalogo' in args:
        with open(args[args.index('--catalogo') + 1], encoding='utf-8') as f:
            CATALOGUE = json.load(f)
    if '--lento' in args:
        DELAY = float(args[args.index('--lento') + 1])
    threading.Thread(target=exit_with_parent, daemon=True).start()
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(('127.0.0.1', 0))
    server.listen(8)
    print(server.getsockname()[1], flush=True)
    while True:
        conn, _ = server.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


if __name__ == '__main__':
    main()
