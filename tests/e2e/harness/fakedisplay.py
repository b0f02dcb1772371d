"""A display socket of the test's own: one that accepts connections and
never answers, or one that answers late, passing everything on to a real
display after a delay."""

import os
import socket
import threading
import time

SOCKET_FOLDER = "/tmp/.X11-unix"


class FakeDisplay:
    def __init__(self, answer_from=None, delay=0.0):
        """`answer_from`: the name (":N") of a real display to pass the
        connections on to, `delay` seconds after each was accepted; None for
        a display that never answers."""
        self._target = answer_from
        self._delay = delay
        self._connections = []              # kept open, so that the client waits rather than fails
        self._stopped = False
        self._listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        os.makedirs(SOCKET_FOLDER, exist_ok=True)
        for number in range(600, 1000):
            path = os.path.join(SOCKET_FOLDER, f"X{number}")
            if os.path.exists(path) or os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            try:
                self._listener.bind(path)
            except OSError:
                continue
            self.name = f":{number}"        # what DISPLAY names it by
            self._path = path
            break
        else:
            raise RuntimeError("no free display number for a fake display")
        self._listener.listen(8)
        self._listener.settimeout(0.2)
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while not self._stopped:
            try:
                client, _ = self._listener.accept()
            except (socket.timeout, OSError):
                continue
            self._connections.append(client)
            if self._target is not None:
                threading.Thread(target=self._pass_on, args=(client,), daemon=True).start()

    def _pass_on(self, client):
        time.sleep(self._delay)
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        server.connect(os.path.join(SOCKET_FOLDER, "X" + self._target.lstrip(":")))
        self._connections.append(server)
        for source, sink in ((client, server), (server, client)):
            threading.Thread(target=self._copy, args=(source, sink), daemon=True).start()

    @staticmethod
    def _copy(source, sink):
        try:
            while True:
                data = source.recv(65536)
                if not data:
                    break
                sink.sendall(data)
        except OSError:
            pass
        finally:
            for end in (source, sink):
                try:
                    end.shutdown(socket.SHUT_RDWR)
                except OSError:
                    pass

    def stop(self):
        self._stopped = True
        self._listener.close()
        for connection in self._connections:
            connection.close()
        try:
            os.unlink(self._path)
        except OSError:
            pass
