#!/usr/bin/env python3
"""Serves the built page on this machine, as any static web host would, for a browser to open.

    scripts/web/serve.py SITE_FOLDER [PORT]     (PORT 8080 by default; 0 picks a free one)

Prints the address once it listens. Only the loopback interface: nothing outside this machine
reaches it.
"""

import functools
import http.server
import sys

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".svg": "image/svg+xml",
}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def end_headers(self):
        # Every visit asks again, so that a new build is seen; the service worker keeps the
        # copy for offline use.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        pass


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    port = int(sys.argv[2]) if len(sys.argv) == 3 else 8080
    handler = functools.partial(Handler, directory=sys.argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Tavrel is served at http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
