# A speech server for Orca that makes no sound: Orca's debug log still
# holds everything it says, which is what the tests read.
from orca import speechserver


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
