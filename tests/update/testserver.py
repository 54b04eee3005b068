#!/usr/bin/env python3
"""HTTP server for the update tests.

Serves the files of a folder and a few misbehaving addresses on 127.0.0.1 at a free
port, prints the port on one line and runs until its standard input closes (so it never
outlives the test that started it). With a certificate file (PEM holding the key and
the certificate) it speaks HTTPS.

  /files/NAME      the file NAME of the folder (404 when missing)
  /truncated/NAME  announces the whole file, sends half of it and closes
  /html            a web page with status 200
  /endless         a body without end (bounded at 1 GB)
  /slow            one byte every 0.2 s (bounded at 5 minutes)
  /silent          reads the request and sends nothing (for 20 s, then closes)
  /loop            a redirect to itself
  /moved/NAME      a redirect to /files/NAME
"""
import http.server
import os
import ssl
import sys
import threading
import time

ROOT = sys.argv[1]
CERT = sys.argv[2] if len(sys.argv) > 2 else None


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send_body(self, status, body, ctype="text/plain"):
        self.send_response(status)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def read_file(self, name):
        path = os.path.join(ROOT, os.path.basename(name))
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def do_GET(self):
        try:
            self.answer()
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass

    def answer(self):
        parts = self.path.split("/", 2)
        kind = parts[1] if len(parts) > 1 else ""
        name = parts[2] if len(parts) > 2 else ""
        if kind == "files":
            data = self.read_file(name)
            if data is None:
                self.send_body(404, b"not found\n")
            else:
                self.send_body(200, data)
        elif kind == "truncated":
            data = self.read_file(name) or b""
            self.send_response(200)
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data[: len(data) // 2])
            self.wfile.flush()
            self.close_connection = True
        elif kind == "html":
            self.send_body(200, b"<!DOCTYPE html>\n<html><body><h1>Page not found</h1></body></html>\n", "text/html")
        elif kind == "endless":
            self.send_response(200)
            self.end_headers()
            chunk = b"#" * 65536
            for _ in range(16384):
                self.wfile.write(chunk)
            self.close_connection = True
        elif kind == "slow":
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            for _ in range(1500):
                self.wfile.write(b"#")
                self.wfile.flush()
                time.sleep(0.2)
            self.close_connection = True
        elif kind == "silent":
            time.sleep(20)
            self.close_connection = True
        elif kind == "loop":
            self.send_response(302)
            self.send_header("Location", "/loop")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif kind == "moved":
            self.send_response(302)
            self.send_header("Location", "/files/" + name)
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            self.send_body(404, b"not found\n")


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if CERT:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(CERT)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()  # returns when the test closes the pipe or ends
    os._exit(0)


main()
