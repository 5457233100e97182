# A speech server for Orca that makes no sound: Orca's debug log still
# holds everything it says, which is what the tests read. Orca writes that
# log through a buffer; it is pushed out as utterances are spoken and a few
# times a second besides, so that a test never waits on a full buffer.
import threading
import time

from orca import debug, speechserver


def _flush_log():
    if debug.debugFile:
        debug.debugFile.flush()


def _keep_flushing():
    while True:
        time.sleep(0.2)
        _flush_log()


threading.Thread(target=_keep_flushing, daemon=True).start()


class SpeechServer(speechserver.SpeechServer):
    _only = None

    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._only is None:
            SpeechServer._only = SpeechServer()
        return SpeechServer._only

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["silent", "silent"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _flush_log()

    def speakCharacter(self, character, acss=None):
        _flush_log()

    def speakKeyEvent(self, event, acss=None):
        _flush_log()
