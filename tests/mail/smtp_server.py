#!/usr/bin/python3
"""A real SMTP server for the mail tests, on 127.0.0.1 at a free port.

Prints the port on standard output once it listens, then serves until its lifetime
ends or standard input closes (the test stops it). Received messages are written to
OUT/msg-N.eml (the raw data) and OUT/msg-N.env (sender, then one recipient per line);
OUT/commands.log gets one line per AUTH and STARTTLS the server sees, with whether the
connection was encrypted at that moment.

  --starttls CERT KEY     offer STARTTLS with this certificate
  --implicit-tls CERT KEY TLS from the first byte
  --login USER:PASSWORD   require a login with these credentials
  --mode deliver|close|silent|stall|unconfirmed|reject
                          close: accept and close at once; silent: accept, never answer;
                          the others answer every command up to DATA with a success
                          and then stall: stop reading the message (with a small
                          receive buffer, so that the client's sending stops too),
                          unconfirmed: read the whole message and never answer,
                          reject: read it and answer 554 with a text
  --lifetime SECONDS      (default 60)
"""
import argparse
import asyncio
import os
import socket
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--out", required=True)
    p.add_argument("--starttls", nargs=2)
    p.add_argument("--implicit-tls", nargs=2)
    p.add_argument("--login")
    p.add_argument("--mode", default="deliver", choices=["deliver", "close", "silent", "stall", "unconfirmed", "reject"])
    p.add_argument("--lifetime", type=float, default=60)
    a = p.parse_args()
    os.makedirs(a.out, exist_ok=True)
    log_path = os.path.join(a.out, "commands.log")

    def log(text):
        with open(log_path, "a") as f:
            f.write(text + "\n")

    def context(pair):
        if not pair:
            return None
        ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        ctx.load_cert_chain(pair[0], pair[1])
        return ctx

    class Handler:
        count = 0

        async def handle_DATA(self, server, session, envelope):
            Handler.count += 1
            base = os.path.join(a.out, "msg-%d" % Handler.count)
            with open(base + ".eml", "wb") as f:
                f.write(envelope.original_content)
            with open(base + ".env", "w") as f:
                f.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
            return "250 OK"

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and a.login and \
            (auth_data.login + b":" + auth_data.password).decode("latin-1") == a.login
        log("LOGIN %s" % ("accepted" if ok else "refused"))
        return AuthResult(success=bool(ok), handled=False)

    class LoggingSMTP(SMTP):
        def encrypted(self):
            return self._tls_protocol is not None or a.implicit_tls is not None

        async def smtp_AUTH(self, arg):
            log("AUTH encrypted=%s" % self.encrypted())
            return await super().smtp_AUTH(arg)

        async def smtp_STARTTLS(self, arg):
            log("STARTTLS")
            return await super().smtp_STARTTLS(arg)

    for name in ("smtp_AUTH", "smtp_STARTTLS"):
        getattr(LoggingSMTP, name).__dict__.update(getattr(SMTP, name).__dict__)

    def factory():
        return LoggingSMTP(
            Handler(),
            hostname="qz-test",
            tls_context=context(a.starttls),
            auth_required=bool(a.login),
            auth_require_tls=a.starttls is not None,
            authenticator=authenticator if a.login else None,
        )

    async def raw_client(reader, writer):
        if a.mode == "close":
            writer.close()
            return
        if a.mode != "silent":
            await scripted_dialogue(reader, writer)
        await asyncio.sleep(a.lifetime)

    async def scripted_dialogue(reader, writer):
        writer.write(b"220 qz-test ESMTP\r\n")
        while True:
            line = await reader.readline()
            if not line:
                return
            if line[:4].upper() == b"DATA":
                writer.write(b"354 End data with <CR><LF>.<CR><LF>\r\n")
                await writer.drain()
                break
            writer.write(b"250 OK\r\n")
            await writer.drain()
        if a.mode == "stall":
            return
        while True:
            line = await reader.readline()
            if not line or line == b".\r\n":
                break
        if a.mode == "reject":
            writer.write(b"554 5.7.1 Message refused: looks like spam\r\n")
            await writer.drain()
            if (await reader.readline())[:4].upper() == b"QUIT":
                writer.write(b"221 Bye\r\n")
                await writer.drain()
            writer.close()

    async def serve():
        loop = asyncio.get_running_loop()
        if a.mode == "deliver":
            server = await loop.create_server(factory, "127.0.0.1", 0, ssl=context(a.implicit_tls))
        else:
            sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            if a.mode == "stall":
                sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
            sock.bind(("127.0.0.1", 0))
            server = await asyncio.start_server(raw_client, sock=sock)
        print(server.sockets[0].getsockname()[1], flush=True)
        stdin_closed = loop.run_in_executor(None, sys.stdin.read)
        try:
            await asyncio.wait_for(stdin_closed, a.lifetime)
        except asyncio.TimeoutError:
            pass
        # Ends here: leaving asyncio.run would wait for the thread that reads standard
        # input, which may never return, and for clients still connected.
        os._exit(0)

    asyncio.run(serve())
    os._exit(0)


if __name__ == "__main__":
    main()
