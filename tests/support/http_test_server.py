"""A local HTTP server for the download tests: serves the files of a folder's "files" folder and
a few failures by name, logs every path asked for, and writes its port to a file once it listens.

Failures: "error.xml" answers 500; "dropped.xml" promises more body than it sends;
"status/<code>/<reason>" answers that status with that reason phrase and as the body;
"redirect/<path>" redirects (302) to "/<path>"; a missing file answers 404."""

import http.server
import os
import sys
import urllib.parse


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        name = self.path.split("?")[0].lstrip("/")
        with open(os.path.join(FOLDER, "requests.log"), "a") as log:
            log.write(name + "\n")
        parts = name.split("/")
        if name == "error.xml":
            self.reply(500, b"<html>server error</html>")
        elif name == "dropped.xml":
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"<cfg>" * 2)
            self.wfile.flush()
            self.close_connection = True
        elif parts[0] == "status" and len(parts) == 3:
            reason = urllib.parse.unquote(parts[2])
            self.reply(int(parts[1]), reason.encode(), reason)
        elif parts[0] == "redirect":
            self.send_response(302)
            self.send_header("Location", "/" + "/".join(parts[1:]))
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            path = os.path.join(FOLDER, "files", name)
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    self.reply(200, f.read())
            else:
                self.reply(404, b"<html>not found</html>")

    def reply(self, status, body, reason=None):
        self.send_response(status, reason)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


FOLDER = sys.argv[1]
server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
with open(os.path.join(FOLDER, "port.tmp"), "w") as f:
    f.write(str(server.server_address[1]))
os.rename(os.path.join(FOLDER, "port.tmp"), os.path.join(FOLDER, "port"))
server.serve_forever()
